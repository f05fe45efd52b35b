#pragma once

class QCoreApplication;

// Loads the toolkit's own Italian (buttons of standard dialogs, the menu of a
// text field), whatever the system's language: the whole program speaks
// Italian. False when the translation is not installed; the program then runs
// as before, and every text of its own is Italian anyway.
bool caricaTraduzioneToolkit(QCoreApplication& app);
