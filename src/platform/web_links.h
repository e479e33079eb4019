#pragma once
#include <QString>
#include <QStringList>
#include <QUrl>

namespace korrimet {

// The web addresses and contacts the program links to, by key. A distributor
// sets the maker's real addresses in web_links.cpp; nothing else holds them.
QUrl WebAddress(const QString& key);
QStringList WebAddressKeys();

struct Contacts {
    QString mail;              // the general contact address
    QString secondName;        // a second contact, by name
    QString secondMail;
};
const Contacts& ContactAddresses();

// Hands an address (web page or mailto:) to the desktop; a failure shows nothing.
void OpenAddress(const QUrl& address);

}  // namespace korrimet
