// TSpinEdit: a numeric text field with up and down buttons. Unlike QSpinBox it never rewrites what
// the user types: its value is the text read as a signed 32-bit integer (decimal, or hexadecimal
// after "$", "x", "X", "0x" or "0X"), unreadable text reads as the minimum, and only setting the
// value, the buttons, the arrow keys and leaving the field bring the number back into its range.
#pragma once

#include <QWidget>

#include <cstdint>

class QLineEdit;
class QToolButton;

class TSpinEdit : public QWidget {
    Q_OBJECT

public:
    TSpinEdit(int32_t minValue, int32_t maxValue, QWidget* parent = nullptr);

    int32_t MinValue() const { return minValue_; }
    int32_t MaxValue() const { return maxValue_; }
    // The text read as an integer, not clamped; the minimum when the text is no integer.
    int32_t Value() const;
    // Clamps into MinValue..MaxValue and writes the number as the text when that text differs.
    void SetValue(int32_t value);

    QLineEdit* editor() const { return editor_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    // Raised on every change of the text, typed or set.
    void Changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int32_t delta);
    bool refusesTyped(const QKeyEvent& key) const;

    int32_t minValue_;
    int32_t maxValue_;
    QLineEdit* editor_;
    QToolButton* up_;
    QToolButton* down_;
};
