#include "core/table/BattleBoxFileState.h"

#include "core/table/BattleBoxList.h"

using namespace Qt::StringLiterals;

namespace Velmora {

namespace {

QString loadedCaption(const QString &path) { return u"Battle Box: "_s + path + u' '; }

} // namespace

void BattleBoxFileState::listEdited()
{
    if (!m_loading && !m_loadedName.isEmpty())
        m_modified = true;
}

void BattleBoxFileState::notesEdited()
{
    if (!m_loading)
        m_modified = true;
}

void BattleBoxFileState::showLinked(const QString &name) { m_caption = u"Battle Box "_s + name + u' '; }

void BattleBoxFileState::clear()
{
    m_loadedName.clear();
    m_modified = false;
    m_caption = u"Battle Box"_s;
}

Result<BattleBoxFile::Reading> BattleBoxFileState::load(const QString &path, BattleBoxList &list, QByteArray &notes)
{
    BattleBoxFile::Content content;
    const Result<BattleBoxFile::Reading> reading = BattleBoxFile::read(path, content);
    if (!reading || *reading == BattleBoxFile::Reading::Missing || *reading == BattleBoxFile::Reading::Unchanged)
        return reading;
    list.setEntries(std::move(content.entries));
    notes = std::move(content.notes);
    m_loadedName = path;
    if (*reading == BattleBoxFile::Reading::Loaded) {
        m_modified = false;
        m_caption = loadedCaption(path);
    }
    return reading;
}

Result<bool> BattleBoxFileState::save(const QString &path, const BattleBoxList &list, const QByteArray &notes)
{
    if (!m_modified || path.isEmpty())
        return false;
    if (Result<void> written = BattleBoxFile::write(path, {list.entries(), notes}); !written)
        return written.error();
    m_caption = loadedCaption(path);
    m_loadedName = path;
    m_modified = false;
    return true;
}

} // namespace Velmora
