#pragma once

#include <QString>

// Where a file of a memory card's settings folder is. Cameras name the folder
// "SETTING"; a card copied to a case-sensitive disk may spell it "setting",
// or hold both.
class CardFolder
{
public:
    // Which spelling wins when both hold the file. On a card itself (FAT,
    // case-insensitive) both do and it is the same file: the order then only
    // decides the spelling of the path, which the command-line tool prints.
    // The record and identity files have always been looked up lower case
    // first, the compact model's blackbox.cfg upper case first; each keeps its
    // order so that neither path changes.
    enum class Order
    {
        LowerCaseFirst,
        UpperCaseFirst,
    };

    // root/setting/relative or root/SETTING/relative, whichever exists, in
    // the order given. For a file on neither, "SETTING", except that
    // UpperCaseFirst takes "setting" when the card has only that folder (the
    // compact model's file has always been created there; the record, beside
    // it in a new "SETTING"). Empty when there is no root.
    static QString settingFile(const QString &root, const QString &relative,
                               Order order = Order::LowerCaseFirst);
};
