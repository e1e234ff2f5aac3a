#include "gui/ui/CellEditor.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Velmora;

class TestCellEditor : public QObject
{
    Q_OBJECT

    // A list of two rows whose columns 1 and 2 are edited in place, dropping ";", "(" and ")".
    struct Fixture
    {
        QStandardItemModel model{2, 3};
        QTableView view;
        CellEditor cells{&view, u"Text1"_s, u";()"_s, [](int column) { return column >= 1; }};
        QSignalSpy edited{&cells, &CellEditor::edited};

        Fixture()
        {
            for (int row = 0; row < 2; ++row)
                for (int column = 0; column < 3; ++column)
                    model.setItem(row, column, new QStandardItem(u"r%1c%2"_s.arg(row).arg(column)));
            view.setModel(&model);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
        }
        void click(int row, int column)
        {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(model.index(row, column)).center());
        }
        QString cell(int row, int column) const { return model.item(row, column)->text(); }
    };

private slots:
    void enterStoresTheTypedTextWithoutDroppedCharacters()
    {
        Fixture f;
        f.click(0, 1);
        QVERIFY(f.cells.editor());
        QCOMPARE(f.cells.editor()->objectName(), u"Text1"_s);
        QCOMPARE(f.cells.editor()->text(), u"r0c1"_s);
        QTest::keyClicks(f.cells.editor(), u"12;(x)"_s); // the text is selected: typing replaces it
        QCOMPARE(f.cells.editor()->text(), u"12x"_s);
        QCOMPARE(f.edited.size(), 1);
        QTest::keyClick(f.cells.editor(), Qt::Key_Return);
        QTRY_COMPARE(f.cell(0, 1), u"12x"_s);
        QVERIFY(!f.cells.editor());
    }

    void anotherCellStoresAHeaderClickDrops()
    {
        Fixture f;
        f.click(0, 2);
        QTest::keyClicks(f.cells.editor(), u"!"_s);
        QCOMPARE(f.cells.editor()->text(), u"!"_s);
        f.click(1, 0); // a column without editor still stores the pending edit
        QCOMPARE(f.cell(0, 2), u"!"_s);
        QVERIFY(!f.cells.editor());

        f.click(1, 1);
        QTest::keyClicks(f.cells.editor(), u"?"_s);
        const QHeaderView *header = f.view.horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QVERIFY(!f.cells.editor());
        QCOMPARE(f.cell(1, 1), u"r1c1"_s);
    }

    void commitPendingStoresOnlyAChange()
    {
        Fixture f;
        QSignalSpy changes(&f.model, &QAbstractItemModel::dataChanged);
        f.click(1, 2);
        f.cells.commitPending();
        QCOMPARE(changes.size(), 0);
        QCOMPARE(f.edited.size(), 0);

        f.click(1, 2);
        QTest::keyClick(f.cells.editor(), Qt::Key_End);
        QTest::keyClicks(f.cells.editor(), u"5"_s);
        f.cells.commitPending();
        QCOMPARE(f.cell(1, 2), u"r1c25"_s);
        QCOMPARE(changes.size(), 1);
    }
};

QTEST_MAIN(TestCellEditor)
#include "TestCellEditor.moc"
