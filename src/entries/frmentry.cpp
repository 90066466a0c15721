#include "frmentry.h"

#include "app/picturebox.h"

#include <QComboBox>

frmEntry::frmEntry() {
    setObjectName(QStringLiteral("frmEntry"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Picture6 = new PictureBox(this, QStringLiteral("cat_default"));
    Picture6->setObjectName(QStringLiteral("Picture6"));
    Picture1 = new PictureBox(this, QStringLiteral("cat_creditcard"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture3 = new PictureBox(this, QStringLiteral("cat_website"));
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture4 = new PictureBox(this, QStringLiteral("cat_home"));
    Picture4->setObjectName(QStringLiteral("Picture4"));
    for (PictureBox* source : {Picture6, Picture1, Picture3, Picture4}) source->hide();
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
}

frmEntry::~frmEntry() = default;

void frmEntry::Form_Load() {}

void frmEntry::Combo1_Click() {}
