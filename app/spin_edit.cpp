// The spin edit's reading, setting, stepping and typing rules.
#include "app/spin_edit.h"

#include "platform/parse_int.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kButtonWidth = 15;

QToolButton* makeStepButton(Qt::ArrowType arrow, const char* name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TSpinEdit::TSpinEdit(int32_t minValue, int32_t maxValue, QWidget* parent)
    : QWidget(parent), minValue_(minValue), maxValue_(maxValue), editor_(new QLineEdit(this)),
      up_(makeStepButton(Qt::UpArrow, "UpButton", this)), down_(makeStepButton(Qt::DownArrow, "DownButton", this))
{
    editor_->setObjectName("Editor");
    editor_->setText(QString::number(minValue_));
    editor_->installEventFilter(this);
    setFocusProxy(editor_);
    setFocusPolicy(Qt::StrongFocus);
    connect(editor_, &QLineEdit::textChanged, this, &TSpinEdit::Changed);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

int32_t TSpinEdit::Value() const
{
    return parseInt32(editor_->text().toStdString()).value_or(minValue_);
}

void TSpinEdit::SetValue(int32_t value)
{
    const QString text = QString::number(std::clamp(value, minValue_, maxValue_));
    if (text != editor_->text()) editor_->setText(text);
}

void TSpinEdit::step(int32_t delta)
{
    // Widened so that stepping from a typed extreme cannot overflow before the clamp.
    const int64_t next = int64_t{Value()} + delta;
    SetValue(static_cast<int32_t>(std::clamp<int64_t>(next, minValue_, maxValue_)));
}

// Typing takes digits, signs, the decimal separator and control keys other than Enter.
bool TSpinEdit::refusesTyped(const QKeyEvent& key) const
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    if (text.isEmpty()) return false;  // navigation and editing keys type nothing
    const QChar c = text.front();
    if (c == u'\r' || c == u'\n') return true;
    if (c.unicode() < 0x20 || c.unicode() == 0x7f) return false;
    if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-') return false;
    return text != QLocale().decimalPoint();
}

bool TSpinEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != editor_) return false;
    if (event->type() == QEvent::FocusOut) {
        const int32_t value = Value();
        if (value < minValue_ || value > maxValue_) SetValue(value);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) {
        step(key.key() == Qt::Key_Up ? 1 : -1);
        return true;
    }
    if (!refusesTyped(key)) return false;
    QApplication::beep();
    return true;
}

void TSpinEdit::resizeEvent(QResizeEvent*)
{
    const int buttonsLeft = width() - kButtonWidth;
    const int half = height() / 2;
    editor_->setGeometry(0, 0, buttonsLeft, height());
    up_->setGeometry(buttonsLeft, 0, kButtonWidth, half);
    down_->setGeometry(buttonsLeft, half, kButtonWidth, height() - half);
}
