#include "platform/web_links.h"

#include <QDesktopServices>

namespace korrimet {
namespace {

struct Row {
    const char* key;
    const char* address;
};

// The maker's sites sit under a reserved example domain until a distributor
// fills in the real ones; the chemical-safety sites are public ones.
constexpr Row kAddresses[] = {
    {"main-site", "https://www.orlenfeld.example/"},
    {"forum", "https://bbs.orlenfeld.example/"},
    {"blog", "https://blog.orlenfeld.example/"},
    {"chem-archive", "https://www.nrcc.com.cn/msds"},
    {"chem-window", "https://www.mem.gov.cn/windows_huaxue/weihua_full.asp"},
    {"chem-engine", "https://pubchem.ncbi.nlm.nih.gov/"},
    {"chem-card", "https://www.ilo.org/icsc/"},
    {"msds", "https://www.chemicalbook.com/notices/"},
    {"chem-sds", "https://echa.europa.eu/"},
    {"chem-helper", "https://www.chemicalbook.com/"},
};

}  // namespace

QUrl WebAddress(const QString& key) {
    for (const Row& row : kAddresses)
        if (key == QLatin1String(row.key)) return QUrl(QString::fromUtf8(row.address));
    return {};
}

QStringList WebAddressKeys() {
    QStringList keys;
    for (const Row& row : kAddresses) keys << QString::fromUtf8(row.key);
    return keys;
}

const Contacts& ContactAddresses() {
    static const Contacts contacts{QStringLiteral("kf@orlenfeld.example"), QStringLiteral("韩工"),
                                   QStringLiteral("hg@orlenfeld.example")};
    return contacts;
}

void OpenAddress(const QUrl& address) { QDesktopServices::openUrl(address); }

}  // namespace korrimet
