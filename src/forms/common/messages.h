#pragma once
// Every message box of the program goes through showMessage, so that tests can see and
// answer messages without a modal loop.

#include <QString>
#include <functional>

class QWidget;

namespace kestro {

enum class MessageIcon { None, Exclamation };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
};

using MessageHandler = std::function<void(const Message&)>;

// Shows a message with one OK button and returns once it is dismissed. A message without a
// title of its own carries the program's title, "kestro".
void showMessage(const QString& text, const QString& title = {},
                 MessageIcon icon = MessageIcon::None, QWidget* parent = nullptr);

// Replaces the message box (tests); returns the previous handler. An empty handler restores
// the real message box.
MessageHandler setMessageHandler(MessageHandler handler);

}  // namespace kestro
