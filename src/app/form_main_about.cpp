// "关于" in the album menu: a fresh about dialog for every opening.
#include "app/form_main.h"

#include "about/about_form.h"

void TFormMain::N18Click()
{
    TAboutForm aboutForm(this);
    aboutForm.exec();
}
