// The drop-down list that asks for its entries anew each time it opens; see refreshing_combo_box.h.
#include "app/refreshing_combo_box.h"

void TRefreshingComboBox::showPopup()
{
    emit PopupAboutToShow();
    QComboBox::showPopup();
}
