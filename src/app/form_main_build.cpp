// The "生成" button and the "生成(&B)" menu item: the build driver with the
// window's dialogs.
#include "app/form_main.h"

#include "app/build_dialogs.h"
#include "app/error_box.h"

#include "build/build_driver.h"

#include <QAction>
#include <QToolButton>

void TFormMain::ConnectBuildCommands()
{
    connect(SpeedButtonBuild, &QToolButton::clicked, this, &TFormMain::SpeedButtonBuildClick);
    connect(MenuAlbumBuild, &QAction::triggered, this, &TFormMain::SpeedButtonBuildClick);
}

void TFormMain::SpeedButtonBuildClick()
{
    if (!SpeedButtonBuild->isEnabled())
        return;
    SpeedButtonBuild->setEnabled(false);
    MenuAlbumBuild->setEnabled(false);
    struct Reenable
    {
        TFormMain *form;
        ~Reenable()
        {
            form->SpeedButtonBuild->setEnabled(true);
            form->MenuAlbumBuild->setEnabled(true);
        }
    } reenable{this};

    RunShowingErrors(this, [this] {
        BuildDialogs dialogs(this);
        RunBuild(*VDT1, dialogs, AlbumName);
    });
    NoteAlbumChange(); // the build may have settled a new album name
}
