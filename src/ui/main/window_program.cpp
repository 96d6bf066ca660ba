#include "ui/main/window_program.h"

#include "text/language.h"
#include "text/number_format.h"
#include "text/settings.h"
#include "ui/common/text_convert.h"
#include "ui/main/TMainForm.h"
#include "ui/main/language_setting.h"

#include <QApplication>
#include <QLocale>
#include <QScreen>

using namespace Qt::StringLiterals;

int RunWindowProgram(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Ormeta"_s);
    QApplication::setApplicationDisplayName(u"Ormeta"_s);
    SetSettingsFilePath(SettingsPathForExecutable(ToStd(QCoreApplication::applicationFilePath())));
    const QLocale locale = QLocale::system();
    SetRegionalSeparators({ToStd(locale.decimalPoint()), ToStd(locale.groupSeparator())});

    ReadLanguageSetting();
    if (!IsUkrainian)
        InstallRussianTranslation(app, QCoreApplication::applicationDirPath());

    // The other windows are made on first use, so the main window is up at once.
    TMainForm mainForm;
    const QRect desktop = mainForm.screen()->availableGeometry();
    mainForm.move(desktop.center() - mainForm.rect().center());
    mainForm.show();
    mainForm.activateWindow();
    mainForm.FormActivate();
    return QApplication::exec();
}
