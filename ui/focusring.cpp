#include "focusring.h"

#include <QEvent>
#include <QWidget>

namespace {

class FirstFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            static_cast<QWidget *>(watched)->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void ShowFocusRingFromTheStart(QWidget *button)
{
    button->installEventFilter(new FirstFocus(button));
}
