#pragma once

#include <QTabWidget>

#include <array>

namespace Velmora {

/// VelmoraTab: the seven tabs "Main", "User", "Classes", "Resources", "Tools", "Maps", "Docs".
/// Tab i holds the page pctTab<i>, on which that tab's tools sit.
class MainTabs : public QTabWidget
{
    Q_OBJECT

public:
    static constexpr int Count = 7;

    explicit MainTabs(QWidget *parent = nullptr);

    QWidget *pctTab(int index) const;
    /// Puts a tab's tools on its page, in place of the notice that they come later.
    void placeTools(int index, QWidget *tools);

private:
    std::array<QWidget *, Count> m_pages{};
};

} // namespace Velmora
