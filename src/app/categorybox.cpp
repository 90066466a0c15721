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

QString categoryPicture(int imageNumber) {
    switch (imageNumber) {
    case 0:
        return QStringLiteral("cat_creditcard");
    case 3:
        return QStringLiteral("cat_website");
    case 2:
        return QStringLiteral("cat_home");
    default:
        return QStringLiteral("cat_default");
    }
}

int categoryPictureNumber(const QString& category) {
    if (category == QLatin1String("CREDIT CARD")) return 0;
    if (category == QLatin1String("WEB SITE")) return 3;
    if (category == QLatin1String("HOME")) return 2;
    return 1;
}
