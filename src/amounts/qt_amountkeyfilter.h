#pragma once

#include <QObject>
#include <optional>

class QKeyEvent;
class QWidget;

namespace amounts {

// The key filter of the amount fields (edtzyfKeyPress). Of the characters typed into a field
// only Backspace, Enter, Escape, "." and the digits reach it; every other typed character is
// dropped: blanks, signs, commas, letters, full-width digits and the control characters of
// Ctrl combinations, so Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z do nothing. Enter also moves the
// focus on like Tab. Keys that type nothing (cursor keys, Delete, Home/End, Tab, Shift+Insert)
// and the context menu keep working: what they paste is judged by the reading rules alone.
//
// Input methods commit text without key presses; a watched field refuses them, and a commit
// that still arrives is dropped unless it holds only digits and points.
class AmountKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void watch(QWidget* field);

    // The character a key press types, as the filter judges it: Backspace 8, Enter 13,
    // Escape 27, a Ctrl+letter its control character, otherwise the event's text. Nothing for
    // keys that type nothing.
    static std::optional<char16_t> typedCharacter(const QKeyEvent* event);
    static bool admits(char16_t character);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace amounts
