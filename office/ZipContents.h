#pragma once

#include <QByteArray>
#include <QList>

// The members of a zip file held in memory, in the order of its directory, each stored
// or deflated member read back whole. Used to rework a small package (a text document)
// before it is written out again.
class ZipContents {
public:
    struct Member {
        QByteArray name;
        QByteArray data;
    };

    // False when the bytes are not a zip file this class can read (damaged, encrypted,
    // split, or zip64).
    bool read(const QByteArray &zip);
    const QList<Member> &members() const { return m_members; }

private:
    QList<Member> m_members;
};
