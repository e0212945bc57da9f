#pragma once

class QUrl;

// Hands a web or mail address to the desktop's browser or mail program, so that tests can
// record the addresses instead.
class AddressOpener {
  public:
    virtual ~AddressOpener() = default;
    virtual void open(const QUrl& address) = 0;
};

// Nobody is told when the desktop cannot open an address: the window stays as it is.
class DesktopAddressOpener final : public AddressOpener {
  public:
    void open(const QUrl& address) override;
};

AddressOpener& desktopAddressOpener();
