#pragma once

#include <QByteArray>

// The history file's header line, byte for byte: UTF-8, CR LF.
inline const QByteArray Header = "Datum a \xC4\x8D"
                                 "as,Jm\xC3\xA9no,P\xC5\x99\xC3\xAD"
                                 "klad\xC5\xAF,"
                                 "Spr\xC3\xA1vn\xC4\x9B,Chybn\xC4\x9B,Nezodpov\xC4\x9Bzeno,"
                                 "\xC3\x9A"
                                 "sp\xC4\x9B\xC5\xA1nost,Body,Sekundy,Oper\xC3\xA1tory,"
                                 "\xC5\x98"
                                 "ada 1 od,\xC5\x98"
                                 "ada 1 do,\xC5\x98"
                                 "ada 2 od,"
                                 "\xC5\x98"
                                 "ada 2 do,Desetinn\xC3\xA1 m\xC3\xADsta,Vzorce\r\n";
