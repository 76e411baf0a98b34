#pragma once

// Settings suites built to cost a reader the most for their size: XML whose blanks or character
// references a careless reader rescans, and binary lists whose shared objects stand at many places.
// Each is a dictionary, as a suite is.

#include "HandMadePlist.h"

#include <QByteArray>
#include <QString>

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

} // namespace HostileSuites
