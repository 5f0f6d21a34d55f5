#pragma once
// The About window.

#include <QWidget>

namespace kestro {

class frmAbout : public QWidget {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
};

}  // namespace kestro
