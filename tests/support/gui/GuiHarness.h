#pragma once

#include "core/app/ProgramState.h"
#include "core/options/SoundCues.h"
#include "gui/options/SoundCuePlayer.h"
#include "support/TestHome.h"
#include "support/gui/ScriptedPlatform.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <source_location>
#include <type_traits>

namespace Velmora {

/// What stands in for a missing control of type T: T itself, or a concrete kind of it where T
/// is abstract. Add a specialisation for another abstract control type a test asks for.
template<typename T> struct ControlPlaceholder
{
    using type = T;
};
template<> struct ControlPlaceholder<QAbstractButton>
{
    using type = QPushButton;
};

namespace GuiHarness {

/// The owner of the placeholders. It lives to the end of the run and is never destroyed, so
/// that no widget outlives the application in a destructor.
inline QWidget &placeholderOwner()
{
    static QWidget *owner = new QWidget;
    return *owner;
}

} // namespace GuiHarness

/// The child of `parent` named `objectName` (and, for a control array, whose "index" property is
/// `index`). When there is none, the current test fails with a message naming the control, and
/// a placeholder of the same type, owned by the harness, is returned: the test goes on without
/// crashing and is reported failed.
template<typename T>
T *requireChild(QObject &parent, const QString &objectName, int index = -1,
                const std::source_location &where = std::source_location::current())
{
    using Placeholder = typename ControlPlaceholder<T>::type;
    static_assert(std::is_base_of_v<T, Placeholder> && !std::is_abstract_v<Placeholder>
                      && std::is_default_constructible_v<Placeholder>,
                  "requireChild needs a control type it can stand in for: add a ControlPlaceholder");
    for (T *child : parent.findChildren<T *>(objectName)) {
        const QVariant childIndex = child->property("index");
        if (index < 0 || (childIndex.isValid() && childIndex.toInt() == index))
            return child;
    }
    const QString control = index < 0 ? objectName : objectName + u'(' + QString::number(index) + u')';
    const QString owner = parent.objectName().isEmpty() ? QString::fromLatin1(parent.metaObject()->className())
                                                        : parent.objectName();
    QTest::qFail(qPrintable(QStringLiteral("no control %1 (%2) in %3")
                                .arg(control, QString::fromLatin1(T::staticMetaObject.className()), owner)),
                 where.file_name(), int(where.line()));
    auto *placeholder = new Placeholder;
    placeholder->setParent(&GuiHarness::placeholderOwner());
    return placeholder;
}

/// The sounds of a widget that plays them: the cues of a fresh application folder under the
/// program-wide state, played on the scripted platform, whose sounds() lists what was played.
struct SoundsFixture
{
    explicit SoundsFixture(TestHome::Seed seed = TestHome::Empty)
        : home(seed)
    {
    }

    TestHome home;
    ScriptedPlatform platform;
    ProgramState state;
    SoundCues cues{home.folder()};
    SoundCuePlayer sounds{cues, state, platform};
};

} // namespace Velmora
