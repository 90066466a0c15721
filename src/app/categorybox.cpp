#include "categorybox.h"

#include "store/repository.h"
#include "vaultreport.h"

#include <QComboBox>

void appendCategoryNames(QComboBox* box, bool withAll) {
    const Result<QStringList> names = store::categoryNames(ErrorCode::FillCategoryFilter, withAll);
    if (!names) return showVaultReport(names.code());
    const QSignalBlocker blocker(box);
    const int keep = box->currentIndex();
    box->addItems(*names);
    box->setCurrentIndex(keep);
}
