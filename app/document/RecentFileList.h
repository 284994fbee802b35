#pragma once

#include <QString>
#include <QStringList>

/// The most-recently-used file list of the File menu, remembered in the application's settings
/// under a section of its own ("File1" is the newest entry).
class CRecentFileList {
public:
    CRecentFileList(const QString& section, const QString& entryFormat, int size, int maxDisplayLength);

    int GetCount() const { return static_cast<int>(m_arrNames.size()); }
    const QString& operator[](int index) const { return m_arrNames[index]; }

    /// Puts the file first; an entry already present moves up instead of appearing twice.
    void Add(const QString& pathName);
    void Remove(int index);

    /// The menu text of an entry: the path shortened to the display length, the file name alone when
    /// the file is in the current directory.
    QString GetDisplayName(int index, const QString& currentDir) const;

    void ReadList();
    void WriteList() const;

private:
    QString EntryKey(int index) const;

    QString m_strSectionName;
    QString m_strEntryFormat;
    int m_nSize;
    int m_nMaxDisplayLength;
    QStringList m_arrNames;
};

/// Shortens a path to at most maxLength characters by replacing leading folders with "...", keeping
/// the root and as many trailing folders as fit; the bare file name when even that does not fit.
QString AbbreviatePath(const QString& path, int maxLength);
