#pragma once

#include <QString>

class QFileDevice;

// Why an operation on `f` failed, in Italian, from the kind of error and what
// the file system shows, with what to do: the system's own text is English.
QString motivoErroreFile(const QFileDevice& f);
