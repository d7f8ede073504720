// "关于" in the album menu: a fresh about dialog for every opening.
#include "app/form_main.h"

#include "app/error_box.h"

#include "about/about_form.h"

void TFormMain::N18Click()
{
    RunShowingErrors(this, [this] {
        TAboutForm aboutForm(this);
        aboutForm.exec();
    });
}
