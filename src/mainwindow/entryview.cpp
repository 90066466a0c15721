#include "entryview.h"

#include "app/accessibility.h"
#include "app/categorybox.h"
#include "app/colours.h"
#include "app/controls.h"
#include "app/picturebox.h"
#include "app/platform.h"
#include "app/twips.h"
#include "app/windowkit.h"
#include "layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <algorithm>

using namespace windowkit;

namespace {

// Clicks and taps need room: a copy picture (180 twips, 12 pixels at 96 dpi) answers on a square
// of HitTarget twips centred on it, reaching a few pixels into the corners of the value boxes
// above and below it; the picture is drawn where it always was.
constexpr int HitTarget = 360;
void placeCopyPicture(PictureBox* copy, int top) {
    const QRect picture = twips::toPx(90, top, 180, 180);
    const QRect target = twips::toPx(0, top + 90 - HitTarget / 2, HitTarget, HitTarget);
    copy->setGeometry(target);
    copy->setPictureMargins({picture.left() - target.left(), picture.top() - target.top(),
                             target.right() - picture.right(), target.bottom() - picture.bottom()});
}

} // namespace

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
    Label13 = named(new DecorativeLabel(tr("Identification"), this), "Label13"); // shadow
    Label3 = label(this, "Label3", tr("Identification"));
    QFont heading = Label3->font();
    heading.setPointSizeF(twips::scaledPointSize(12));
    heading.setBold(true);
    Label3->setFont(heading);
    Label13->setFont(heading);
    place(Label13, Label3Left - 15, Label3Top - 15, 5200, 375);
    place(Label3, Label3Left, Label3Top, 5200, 375);
    Label10 = label(this, "Label10", tr("NONE"));
    place(Label10, Label3Left, 480, 6174, 255);
    Picture6 = picture(this, "Picture6", categoryPicture(-1));
    place(Picture6, 5404, 90, Picture6Width, 720);
    Picture6->nameBy([this] { return QStringLiteral("Category picture: ") + Label10->text(); });
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
        placeCopyPicture(*copies[i], top);
        *titles[i] = label(this, titleNames[i], tr("User Defined Field (%1)").arg(i + 1));
        place(*titles[i], 315, top - 45, 5000, 255);
        *values[i] = named(new QLineEdit(this), valueNames[i]);
        (*values[i])->setReadOnly(true);
        place(*values[i], 90, top + 215, 6114, 285);
        *launches[i] = named(new QToolButton(this), launchNames[i]);
        setButtonPicture(*launches[i], QStringLiteral("launch"));
        (*launches[i])->setIconSize(QSize(twips::toPx(WebWidth) - 6, twips::toPx(WebHeight) - 6));
        (*launches[i])->setToolTip(tr("Launch URL."));
        (*launches[i])->setAutoRaise(true);
        place(*launches[i], 6369 - 530, top + 200, WebWidth, WebHeight);
        (*launches[i])->setMinimumSize(twips::toPx(HitTarget), twips::toPx(HitTarget));
        (*launches[i])->resize(twips::toPx(WebWidth), twips::toPx(std::max(WebHeight, HitTarget)));
        (*launches[i])->hide();
    }
    Picture14 = picture(this, "Picture14", QStringLiteral("copyfield"));
    placeCopyPicture(Picture14, Text5Top - 255);
    for (PictureBox* copy : copyPictures())
        copy->raise();
    Label8 = label(this, "Label8", tr("Notes:"));
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
        copyPictures()[i]->setToolTip(tr("Copy this field to your clipboard."));
        copyPictures()[i]->makeCommand([title = fieldTitles[i], untitled] {
            const QString words = titleWords(title->text());
            return tr("Copy %1").arg(words.isEmpty() ? untitled : words);
        });
    }
    for (QToolButton* launch : launchButtons()) {
        launch->setAccessibleName(launch->toolTip());
        pressOnEnter(launch);
    }
    applyColours();
}

void EntryView::applyColours() {
    Label3->setStyleSheet(QStringLiteral("color: %1;").arg(colours::heading().name()));
    Label13->setStyleSheet(QStringLiteral("color: %1;").arg(colours::headingShadow().name()));
    Label10->setStyleSheet(QStringLiteral("background: %1; color: %2; padding-left: 3px;")
                               .arg(colours::categoryBand().name(), colours::categoryBandText().name()));
    for (QWidget* box : valueBoxes()) {
        QPalette p = box->palette();
        p.setColor(QPalette::Base, colours::valueBackground());
        box->setPalette(p);
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
    codes_ = {};
    showCodes();
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
    std::array<QString, 4> fieldTitles;
    if (const std::optional<CategoryDefinition>& definition = shown.definition) {
        const std::array<QLabel*, 5> titles = {Label4, Label5, Label6, Label7, Label8};
        for (std::size_t i = 0; i < titles.size(); ++i)
            titles[i]->setText(
                definition->shownTitle(CategoryDefinition::Title(CategoryDefinition::Field1 + i)));
        Picture6->setPicture(categoryPicture(definition->image));
        const std::array<QString, 6>& t = definition->titles;
        fieldTitles = {t[1], t[2], t[3], t[4]};
    }
    setPlainToolTip(Text1, Label4->text());
    setPlainToolTip(Text2, Label5->text());
    setPlainToolTip(Text3, Label6->text());
    setPlainToolTip(Text4, Label7->text());
    setPlainToolTip(Text5, Label8->text());
    shown_ = shown;
    codes_ = codesOf(entry.fields, fieldTitles, entry.notes);
    showCodes();
}

void EntryView::showCodes() {
    const int round = ++codeRound_;
    if (!codes_.any()) return;
    const QDateTime now = platform().now();
    const qint64 seconds = now.toSecsSinceEpoch();
    for (std::size_t i = 0; i < 4; ++i)
        if (const auto& setting = codes_.fields[i]) {
            fieldBoxes()[i]->setText(shownCode(*setting, seconds));
            fieldBoxes()[i]->setCursorPosition(0);
        }
    if (codes_.notes) {
        // Only the line of the setting changes, so the notes keep their scroll position.
        Text5->document()->setUndoRedoEnabled(false);
        const QTextBlock block = Text5->document()->findBlockByNumber(codes_.notes->line);
        if (block.isValid()) {
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            cursor.insertText(tr("One-time code: ") + shownCode(codes_.notes->setting, seconds));
        }
    }
    platform().after(1000 - now.time().msec(), [view = QPointer<EntryView>(this), round] {
        if (view && round == view->codeRound_) view->showCodes();
    });
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
