#pragma once

// Settings suites built to cost a reader the most for their size: XML whose blanks or character
// references a careless reader rescans, and binary lists whose shared objects stand at many places.
// Each is a dictionary, as a suite is.

#include "HandMadePlist.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace HostileSuites {

inline const QByteArray xmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";

// {"list": `integers` integers}, then `blanks` blanks after the end.
inline QByteArray integersThenBlanks(int integers, qsizetype blanks)
{
    QByteArray xml = xmlHead + "<dict><key>list</key><array>\n";
    for (int i = 0; i < integers; ++i)
        xml += "<integer>" + QByteArray::number(i) + "</integer>\n";
    return xml + "</array></dict>\n</plist>\n" + QByteArray(blanks, ' ');
}

// {"text": "&amp;&amp;..."}, about `bytes` bytes in all.
inline QByteArray references(qsizetype bytes)
{
    const QByteArray head = xmlHead + "<dict><key>text</key><string>";
    const QByteArray tail = "</string></dict></plist>\n";
    return head + QByteArray("&amp;").repeated((bytes - head.size() - tail.size()) / 5) + tail;
}

// {"list": `dictionaries` dictionaries, each {key: true} with one shared UTF-16 key of `keyCharacters`}.
inline QByteArray sharedKey(int dictionaries, qsizetype keyCharacters)
{
    HandMadePlist list;
    const auto root = list.reserve();
    const auto listKey = list.add(HandMadePlist::ascii("list"));
    const auto array = list.reserve();
    const auto key = list.add(HandMadePlist::utf16(QString(keyCharacters, QChar(0x00e9))));
    const auto yes = list.add(HandMadePlist::boolean(true));
    std::vector<HandMadePlist::Ref> items;
    for (int i = 0; i < dictionaries; ++i)
        items.push_back(list.add(HandMadePlist::dictionary({key}, {yes})));
    list.set(array, HandMadePlist::array(items));
    list.set(root, HandMadePlist::dictionary({listKey}, {array}));
    return list.bytes();
}

// {"list": one ASCII text of `textBytes` at `places` places}.
inline QByteArray sharedText(int places, qsizetype textBytes)
{
    HandMadePlist list;
    const auto root = list.reserve();
    const auto listKey = list.add(HandMadePlist::ascii("list"));
    const auto text = list.add(HandMadePlist::ascii(QByteArray(textBytes, 'x')));
    const auto array = list.add(HandMadePlist::array(std::vector<HandMadePlist::Ref>(std::size_t(places), text)));
    list.set(root, HandMadePlist::dictionary({listKey}, {array}));
    return list.bytes();
}

// {"list": one `text` at `places` places}, a byte a character when no character is above U+007F, else
// in UTF-16. At 4,095 places of 4,096 characters, a suite of some kilobytes whose texts, counted at each
// place (two bytes a UTF-16 unit), take just under the decoder's bound of 32 MiB.
inline QByteArray sharedText(int places, const QString& text)
{
    const bool ascii = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
    HandMadePlist list;
    const auto root = list.reserve();
    const auto listKey = list.add(HandMadePlist::ascii("list"));
    const auto shared = list.add(ascii ? HandMadePlist::ascii(text.toLatin1()) : HandMadePlist::utf16(text));
    const auto array = list.add(HandMadePlist::array(std::vector<HandMadePlist::Ref>(std::size_t(places), shared)));
    list.set(root, HandMadePlist::dictionary({listKey}, {array}));
    return list.bytes();
}

// {"list": `outer` places of one array of `inner` places of one `scalar` (a HandMadePlist object)}: at 315
// and 315, a list of some kilobytes that holds 99,225 scalars (99,543 values in all).
inline QByteArray sharedRows(int outer, int inner, const QByteArray& scalar)
{
    HandMadePlist list;
    const auto root = list.reserve();
    const auto listKey = list.add(HandMadePlist::ascii("list"));
    const auto value = list.add(scalar);
    const auto row = list.add(HandMadePlist::array(std::vector<HandMadePlist::Ref>(std::size_t(inner), value)));
    const auto rows = list.add(HandMadePlist::array(std::vector<HandMadePlist::Ref>(std::size_t(outer), row)));
    list.set(root, HandMadePlist::dictionary({listKey}, {rows}));
    return list.bytes();
}

// {"list": `count` dates one second apart from 2024-03-05 00:00:00Z (fewer than 2,246,400: 26 days)}.
inline QByteArray xmlDates(int count)
{
    const auto two = [](int number) { return QByteArray::number(number).rightJustified(2, '0'); };
    QByteArray xml = xmlHead + "<dict><key>list</key><array>\n";
    for (int i = 0; i < count; ++i) {
        xml += "<date>2024-03-" + two(5 + i / 86'400) + 'T' + two(i / 3600 % 24) + ':' + two(i / 60 % 60) + ':' +
               two(i % 60) + "Z</date>\n";
    }
    return xml + "</array></dict>\n</plist>\n";
}

} // namespace HostileSuites
