#pragma once
// The picture window reached from the About window's logo: one screenshot, nothing else.

#include <QWidget>

namespace kestro {

class frmEgg : public QWidget {
    Q_OBJECT

public:
    explicit frmEgg(QWidget* parent = nullptr);
};

}  // namespace kestro
