#pragma once
// A frame whose caption sits on its top border line, with the contents placed from the
// frame's top edge.

#include <QGroupBox>

namespace kestro {

class CaptionFrame : public QGroupBox {
    Q_OBJECT

public:
    CaptionFrame(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kestro
