// TFormMain's settings file steps: loading at the end of creation, saving at the start of destruction.
#include "app/form_main.h"

void TFormMain::LoadSettings()
{
    // Nothing stored yet: the window keeps its design values.
}

void TFormMain::SaveSettings()
{
    // Nothing stored yet.
}
