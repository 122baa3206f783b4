// zsg-studio: the reference user interface over the in-memory renderer.
//   zsg-studio                      opens the window
//   zsg-studio --screenshots DIR    writes the window and each dock as PNGs and quits
#include "ExampleScene.h"
#include "StudioWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zsg-studio"));
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("zscenegraph"), QStringLiteral("_"), QStringLiteral(ZSG_STUDIO_TRANSLATIONS_DIR)))
        QApplication::installTranslator(&translator);

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QApplication::translate("studio", "Write PNGs of the window and each dock to <dir>, then quit."),
                                         QStringLiteral("dir"));
    parser.addOption(screenshots);
    parser.process(app);

    studio::ExampleScene scene;
    studio::StudioWindow window(scene);
    if (parser.isSet(screenshots))
        return window.writeScreenshots(parser.value(screenshots)) ? 0 : 1;
    window.show();
    return app.exec();
}
