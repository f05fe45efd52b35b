#include <QApplication>
#include <QByteArray>
#include <QStyleFactory>
#include <gtest/gtest.h>

namespace {
QtMessageHandler predefinito = nullptr;
// The offscreen platform cannot raise a window; saying so on every "mostra
// errori" would bury the test output.
void filtra(QtMsgType t, const QMessageLogContext& c, const QString& msg) {
    if (msg.contains(QLatin1String("does not support raise()"))) return;
    predefinito(t, c, msg);
}
} // namespace

int main(int argc, char** argv) {
    predefinito = qInstallMessageHandler(filtra);
    // --fontconfig=FILE: run with the fonts that FILE leaves, as on another machine.
    for (int i = 1; i < argc; ++i)
        if (const QByteArray a(argv[i]); a.startsWith("--fontconfig="))
            qputenv("FONTCONFIG_FILE", a.mid(13));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
