#include "messages.h"

#include <QMessageBox>

#include "config/product.h"
#include "qt/qt_text.h"

namespace kestro {

namespace {

MessageHandler& handlerSlot() {
    static MessageHandler handler;
    return handler;
}

void showMessageBox(const Message& message, QWidget* parent) {
    QMessageBox box(message.icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                              : QMessageBox::NoIcon,
                    message.title, message.text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void showMessage(const QString& text, const QString& title, MessageIcon icon, QWidget* parent) {
    const Message message{
        text,
        title.isEmpty() ? fromUtf8(product::kName) : title,
        icon};
    if (const MessageHandler& handler = handlerSlot()) {
        handler(message);
    } else {
        showMessageBox(message, parent);
    }
}

MessageHandler setMessageHandler(MessageHandler handler) {
    MessageHandler previous = std::move(handlerSlot());
    handlerSlot() = std::move(handler);
    return previous;
}

}  // namespace kestro
