#include "platform/Addresses.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopAddressOpener::open(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

AddressOpener& desktopAddressOpener() {
    static DesktopAddressOpener opener;
    return opener;
}
