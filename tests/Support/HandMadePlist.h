#pragma once

// Binary property lists put together object by object, for the lists no writer makes: objects shared
// at many places, keys holding a NUL, 16-byte integers, dates out of range. References and offsets
// are 4 bytes wide.

#include <QByteArray>
#include <QString>

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <vector>

class HandMadePlist {
public:
    using Ref = std::uint32_t;

    // Adds an object; the first one added is the root.
    Ref add(const QByteArray& object)
    {
        m_objects.push_back(object);
        return Ref(m_objects.size() - 1);
    }
    // Reserves a place for an object given later (a container that refers to objects after it).
    Ref reserve() { return add(QByteArray()); }
    void set(Ref ref, const QByteArray& object) { m_objects[ref] = object; }

    QByteArray bytes() const
    {
        QByteArray out("bplist00");
        std::vector<std::uint64_t> offsets;
        for (const QByteArray& object : m_objects) {
            offsets.push_back(std::uint64_t(out.size()));
            out.append(object);
        }
        const std::uint64_t table = std::uint64_t(out.size());
        for (std::uint64_t offset : offsets)
            append(out, offset, 4);
        out.append(QByteArray(6, '\0'));
        out.append(char(4));
        out.append(char(4));
        append(out, m_objects.size(), 8);
        append(out, 0, 8);
        append(out, table, 8);
        return out;
    }

    static QByteArray integer(std::int64_t value)
    {
        QByteArray object(1, char(0x13));
        append(object, std::uint64_t(value), 8);
        return object;
    }
    static QByteArray sixteenByteInteger(std::uint64_t high, std::uint64_t low)
    {
        QByteArray object(1, char(0x14));
        append(object, high, 8);
        append(object, low, 8);
        return object;
    }
    static QByteArray real(double value)
    {
        QByteArray object(1, char(0x23));
        append(object, std::bit_cast<std::uint64_t>(value), 8);
        return object;
    }
    static QByteArray date(double secondsSince2001)
    {
        QByteArray object(1, char(0x33));
        append(object, std::bit_cast<std::uint64_t>(secondsSince2001), 8);
        return object;
    }
    static QByteArray ascii(const QByteArray& text) { return counted(0x5, std::uint64_t(text.size())) + text; }
    static QByteArray utf16(const QString& text)
    {
        QByteArray object = counted(0x6, std::uint64_t(text.size()));
        for (const QChar c : text)
            append(object, c.unicode(), 2);
        return object;
    }
    static QByteArray boolean(bool value) { return QByteArray(1, value ? char(0x09) : char(0x08)); }
    static QByteArray array(const std::vector<Ref>& refs)
    {
        QByteArray object = counted(0xA, refs.size());
        for (Ref ref : refs)
            append(object, ref, 4);
        return object;
    }
    static QByteArray dictionary(const std::vector<Ref>& keys, const std::vector<Ref>& values)
    {
        QByteArray object = counted(0xD, keys.size());
        for (Ref ref : keys)
            append(object, ref, 4);
        for (Ref ref : values)
            append(object, ref, 4);
        return object;
    }

private:
    static void append(QByteArray& out, std::uint64_t value, int width)
    {
        for (int i = width - 1; i >= 0; --i)
            out.append(char((value >> (8 * i)) & 0xff));
    }
    static QByteArray counted(int type, std::uint64_t count)
    {
        QByteArray marker;
        if (count < 15) {
            marker.append(char((type << 4) | int(count)));
        } else {
            marker.append(char((type << 4) | 0xF));
            marker.append(char(0x12));
            append(marker, count, 4);
        }
        return marker;
    }

    std::vector<QByteArray> m_objects;
};
