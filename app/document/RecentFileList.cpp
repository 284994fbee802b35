#include "RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

CRecentFileList::CRecentFileList(const QString& section, const QString& entryFormat, int size,
                                 int maxDisplayLength)
    : m_strSectionName(section), m_strEntryFormat(entryFormat), m_nSize(size),
      m_nMaxDisplayLength(maxDisplayLength) {}

void CRecentFileList::Add(const QString& pathName) {
    const QString canonical = QDir::cleanPath(QFileInfo(pathName).absoluteFilePath());
    m_arrNames.removeAll(canonical);
    m_arrNames.prepend(canonical);
    while (m_arrNames.size() > m_nSize)
        m_arrNames.removeLast();
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < GetCount())
        m_arrNames.removeAt(index);
}

QString CRecentFileList::GetDisplayName(int index, const QString& currentDir) const {
    const QFileInfo file(m_arrNames[index]);
    if (QDir::cleanPath(file.absolutePath()) == QDir::cleanPath(currentDir))
        return file.fileName();
    return AbbreviatePath(m_arrNames[index], m_nMaxDisplayLength);
}

QString CRecentFileList::EntryKey(int index) const {
    return m_strSectionName + '/' + m_strEntryFormat.arg(index + 1);
}

void CRecentFileList::ReadList() {
    QSettings settings;
    m_arrNames.clear();
    for (int i = 0; i < m_nSize; ++i) {
        const QString name = settings.value(EntryKey(i)).toString();
        if (!name.isEmpty() && !m_arrNames.contains(name))
            m_arrNames.append(name);
    }
}

void CRecentFileList::WriteList() const {
    QSettings settings;
    for (int i = 0; i < m_nSize; ++i) {
        if (i < GetCount())
            settings.setValue(EntryKey(i), m_arrNames[i]);
        else
            settings.remove(EntryKey(i));
    }
}

QString AbbreviatePath(const QString& path, int maxLength) {
    if (path.size() <= maxLength)
        return path;
    const QString root = path.startsWith('/') ? QStringLiteral("/") : QString();
    const QStringList parts = path.mid(root.size()).split('/', Qt::SkipEmptyParts);
    const QString& fileName = parts.isEmpty() ? path : parts.last();
    for (int kept = parts.size() - 1; kept >= 1; --kept) {
        const QString tail = QStringList(parts.mid(parts.size() - kept)).join('/');
        const QString candidate = root + QStringLiteral(".../") + tail;
        if (candidate.size() <= maxLength)
            return candidate;
    }
    return fileName;
}
