#include "entryview.h"

#include "app/categorybox.h"
#include "app/controls.h"
#include "app/picturebox.h"
#include "app/twips.h"
#include "app/windowkit.h"
#include "layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

using namespace windowkit;

bool isWebAddress(const QString& value) {
    return value.startsWith(QLatin1String("www."), Qt::CaseInsensitive) ||
           value.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           value.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

EntryView::EntryView(QWidget* parent) : QFrame(parent) {
    using namespace mainlayout::design;
    setObjectName(QStringLiteral("Picture5"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Plain);
    Label13 = label(this, "Label13", QStringLiteral("Identification"));
    Label3 = label(this, "Label3", QStringLiteral("Identification"));
    QFont heading = Label3->font();
    heading.setPointSize(12);
    heading.setBold(true);
    Label3->setFont(heading);
    Label13->setFont(heading);
    Label3->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
    Label13->setStyleSheet(QStringLiteral("color: rgb(224, 224, 224);"));
    place(Label13, Label3Left - 15, Label3Top - 15, 5200, 375);
    place(Label3, Label3Left, Label3Top, 5200, 375);
    Label10 = label(this, "Label10", QStringLiteral("NONE"));
    Label10->setStyleSheet(QStringLiteral("background: rgb(255, 255, 192); padding-left: 3px;"));
    place(Label10, Label3Left, 480, 6174, 255);
    Picture6 = picture(this, "Picture6", categoryPicture(-1));
    place(Picture6, 5404, 90, Picture6Width, 720);
    Picture6->raise();

    QLabel** titles[] = {&Label4, &Label5, &Label6, &Label7};
    QLineEdit** values[] = {&Text1, &Text2, &Text3, &Text4};
    PictureBox** copies[] = {&Picture10, &Picture11, &Picture12, &Picture13};
    QToolButton** launches[] = {&web1, &web2, &web3, &web4};
    const char* titleNames[] = {"Label4", "Label5", "Label6", "Label7"};
    const char* valueNames[] = {"Text1", "Text2", "Text3", "Text4"};
    const char* copyNames[] = {"Picture10", "Picture11", "Picture12", "Picture13"};
    const char* launchNames[] = {"web1", "web2", "web3", "web4"};
    for (int i = 0; i < 4; ++i) {
        const int top = 870 + 540 * i;
        *copies[i] = picture(this, copyNames[i], QStringLiteral("copyfield"));
        place(*copies[i], 90, top, 180, 180);
        *titles[i] = label(this, titleNames[i], QStringLiteral("User Defined Field (%1)").arg(i + 1));
        place(*titles[i], 315, top - 45, 5000, 255);
        *values[i] = named(new QLineEdit(this), valueNames[i]);
        (*values[i])->setReadOnly(true);
        place(*values[i], 90, top + 215, 6114, 285);
        *launches[i] = named(new QToolButton(this), launchNames[i]);
        setButtonPicture(*launches[i], QStringLiteral("launch"));
        (*launches[i])->setIconSize(QSize(twips::toPx(WebWidth) - 6, twips::toPx(WebHeight) - 6));
        (*launches[i])->setToolTip(QStringLiteral("Launch URL."));
        (*launches[i])->setAutoRaise(true);
        place(*launches[i], 6369 - 530, top + 200, WebWidth, WebHeight);
        (*launches[i])->hide();
    }
    Picture14 = picture(this, "Picture14", QStringLiteral("copyfield"));
    place(Picture14, 90, Text5Top - 255, 180, 180);
    Label8 = label(this, "Label8", QStringLiteral("Notes:"));
    place(Label8, 315, Text5Top - 300, 5000, 255);
    Text5 = named(new QPlainTextEdit(this), "Text5");
    Text5->setReadOnly(true);
    Text5->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    place(Text5, Text5Left, Text5Top, 6114, 1370);
    // Each value box reads to assistive technology as its field's title, and its copy picture as
    // "Copy " and the title; an untitled field goes by its design title.
    const std::array<QLabel*, 5> fieldTitles = {Label4, Label5, Label6, Label7, Label8};
    for (std::size_t i = 0; i < fieldTitles.size(); ++i) {
        const QString untitled = titleWords(fieldTitles[i]->text());
        nameByTooltip(valueBoxes()[i], untitled);
        copyPictures()[i]->setToolTip(QStringLiteral("Copy this field to your clipboard."));
        copyPictures()[i]->makeCommand([title = fieldTitles[i], untitled] {
            const QString words = titleWords(title->text());
            return QStringLiteral("Copy ") + (words.isEmpty() ? untitled : words);
        });
    }
    for (QToolButton* launch : launchButtons()) {
        launch->setAccessibleName(launch->toolTip());
        pressOnEnter(launch);
    }
}

std::array<QLineEdit*, 4> EntryView::fieldBoxes() const {
    return {Text1, Text2, Text3, Text4};
}

std::array<QWidget*, 5> EntryView::valueBoxes() const {
    return {Text1, Text2, Text3, Text4, Text5};
}

std::array<PictureBox*, 5> EntryView::copyPictures() const {
    return {Picture10, Picture11, Picture12, Picture13, Picture14};
}

std::array<QToolButton*, 4> EntryView::launchButtons() const {
    return {web1, web2, web3, web4};
}

void EntryView::clear() {
    for (QLineEdit* box : fieldBoxes())
        box->clear();
    Text5->clear();
    Label10->clear();
    Label3->clear();
    Label13->clear();
    for (QWidget* box : valueBoxes())
        markUnreadable(box, false);
    shown_.reset();
}

void EntryView::show(const ShownEntry& shown) {
    const Entry& entry = shown.entry;
    for (std::size_t i = 0; i < 4; ++i) {
        placeLaunchButton(int(i) + 1, isWebAddress(entry.fields[i]));
        fieldBoxes()[i]->setText(entry.fields[i]);
        fieldBoxes()[i]->setCursorPosition(0);
    }
    Text5->setPlainText(entry.notes);
    for (std::size_t i = 0; i < 5; ++i)
        markUnreadable(valueBoxes()[i], entry.stored.keepStored[1 + i]);
    Label10->setText(entry.category);
    Label3->setText(entry.description);
    Label13->setText(entry.description);
    if (const std::optional<CategoryDefinition>& definition = shown.definition) {
        const std::array<QLabel*, 5> titles = {Label4, Label5, Label6, Label7, Label8};
        for (std::size_t i = 0; i < titles.size(); ++i)
            titles[i]->setText(
                definition->shownTitle(CategoryDefinition::Title(CategoryDefinition::Field1 + i)));
        Picture6->setPicture(categoryPicture(definition->image));
    }
    setPlainToolTip(Text1, Label4->text());
    setPlainToolTip(Text2, Label5->text());
    setPlainToolTip(Text3, Label6->text());
    setPlainToolTip(Text4, Label7->text());
    setPlainToolTip(Text5, Label8->text());
    shown_ = shown;
}

void EntryView::setLaunchPlaces(int buttonLeft, int narrowWidth, int wideWidth) {
    buttonLeft_ = buttonLeft;
    narrowWidth_ = narrowWidth;
    wideWidth_ = wideWidth;
    for (int field = 1; field <= 4; ++field)
        if (!launchButtons()[std::size_t(field - 1)]->isHidden()) placeLaunchButton(field, true);
}

// Shows or hides the launch button beside a value box (1..4), narrowing the box beside it.
void EntryView::placeLaunchButton(int field, bool shown) {
    QToolButton* button = launchButtons()[std::size_t(field - 1)];
    QLineEdit* box = fieldBoxes()[std::size_t(field - 1)];
    if (shown) {
        button->move(twips::toPx(buttonLeft_), button->y());
        button->show();
        box->resize(twips::toPx(narrowWidth_), box->height());
    } else {
        button->hide();
        box->resize(twips::toPx(wideWidth_), box->height());
    }
}
