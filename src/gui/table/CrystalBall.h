#pragma once

#include <QAbstractButton>

namespace Velmora {

/// The oracle's crystal ball: a glass sphere on a small stand, drawn rather than loaded, that is
/// clicked like a button and looks dim while it cannot be.
class CrystalBall : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CrystalBall(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Velmora
