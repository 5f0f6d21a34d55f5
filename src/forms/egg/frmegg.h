#pragma once
// The picture window reached from the About window's logo: one screenshot, nothing else.

#include <QWidget>

#include "forms/common/form_builder.h"

namespace kestro {

class frmEgg : public QWidget {
    Q_OBJECT

public:
    explicit frmEgg(QWidget* parent = nullptr);

    QWidget* element(const QString& name) const { return elements_.value(name); }

private:
    ElementMap elements_;
};

}  // namespace kestro
