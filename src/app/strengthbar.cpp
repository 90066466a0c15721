#include "strengthbar.h"

#include "passwordstrength.h"

#include <QFontMetrics>
#include <QLineEdit>

StrengthBar::StrengthBar(QWidget* parent, const QString& weakWarning)
    : QProgressBar(parent), weakWarning_(weakWarning) {
    setObjectName(QStringLiteral("strengthBar"));
    setRange(0, 5);
    setValue(0);
    setTextVisible(true);
    setFormat(QString());
    setAccessibleName(tr("Password strength"));
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void StrengthBar::follow(QLineEdit* box) {
    disconnect(typing_);
    box_ = box;
    if (!box) {
        hide();
        return;
    }
    typing_ = connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { rate(text); });
    rate(box->text());
}

void StrengthBar::rate(const QString& text) {
    // An empty box has nothing to rate: the bar shows only once something is typed.
    score_ = text.isEmpty() ? -1 : estimateStrength(text).score;
    setVisible(score_ >= 0);
    setValue(score_ + 1);
    QString words = score_ < 0 ? QString() : scoreWords(score_);
    if (score_ >= 0 && score_ < StrongScore && !weakWarning_.isEmpty()) words = weakWarning_.arg(words);
    setFormat(words);
    setToolTip(words);
    fitText();
}

void StrengthBar::resizeEvent(QResizeEvent* event) {
    QProgressBar::resizeEvent(event);
    fitText();
}

void StrengthBar::fitText() {
    QFont shown = parentWidget() ? parentWidget()->font() : font();
    const qreal full = shown.pointSizeF();
    if (full <= 0) return;
    const int room = width() - 8;
    while (shown.pointSizeF() > full * 2 / 3 && QFontMetrics(shown).horizontalAdvance(format()) > room)
        shown.setPointSizeF(shown.pointSizeF() - 0.5);
    setFont(shown);
}
