// A window written in C++, translated through the installed package: exits 0 when switching
// the language rewrote its texts.
#include <Parlox/select.h>
#include <Parlox/windowtranslation.h>

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *label = new QLabel(QStringLiteral("Hello"), &window);
    label->setObjectName(QStringLiteral("Greeting"));

    Parlox::TParloxSelect &selector = Parlox::createSelector(
        window, {.translationsAre = Parlox::InExe,
                 .languages = {QStringLiteral("English"), QStringLiteral("Deutsch")}});
    Parlox::translateWindow(
        window, selector,
        {QStringLiteral("[Greeting.Caption]"), QStringLiteral("Hello"), QStringLiteral("Hallo")});

    selector.setActiveLanguage(QStringLiteral("Deutsch"));
    std::printf("%s\n", qPrintable(label->text()));
    return label->text() == QStringLiteral("Hallo") ? 0 : 1;
}
