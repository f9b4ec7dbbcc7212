#include "print/druckdienst.h"

#include <QPrinter>
#include <QPrinterInfo>

#include <dlfcn.h>
#include <sys/socket.h>

namespace {

// libcups as Qt's print plugin has loaded it, once it has; null before and
// where Qt prints without CUPS.
void* cups()
{
    static void* bibliothek = nullptr;
    if (!bibliothek)
        bibliothek = dlopen("libcups.so.2", RTLD_LAZY | RTLD_NOLOAD);
    return bibliothek;
}

template <typename F>
F funktion(const char* name)
{
    void* b = cups();
    return b ? reinterpret_cast<F>(dlsym(b, name)) : nullptr;
}

// The public layout of cups_option_t and cups_dest_t (unchanged since CUPS 1.2).
struct CupsOption {
    char* name;
    char* value;
};
struct CupsZiel {
    char* name;
    char* instance;
    int is_default;
    int num_options;
    CupsOption* options;
};

constexpr int erstesFehlerStatus = 0x0400;  // IPP status codes below are successful or informational
constexpr int druckerAngehalten = 5;        // IPP printer-state "stopped"
constexpr int verbindenMs = 5000;

class Systemdienst final : public Druckdienst {
public:
    QStringList drucker() override { return QPrinterInfo::availablePrinterNames(); }
    QString standardDrucker() override { return QPrinterInfo::defaultPrinterName(); }

    bool ansteuern(QPrinter& drucker, const QString& name) override
    {
        drucker.setOutputFormat(QPrinter::NativeFormat);
        drucker.setPrinterName(name);
        // Qt quietly falls back to another printer or to PDF output when it
        // does not know the name.
        return drucker.isValid() && drucker.outputFormat() == QPrinter::NativeFormat &&
               drucker.printerName() == name;
    }

    // Qt hands the finished page to CUPS without looking at the answer, but
    // CUPS keeps the status of the thread's last request.
    QString ablehnung() override
    {
        const auto status = funktion<int (*)()>("cupsLastError");
        const auto text = funktion<const char* (*)()>("cupsLastErrorString");
        if (!status)
            return {};
        const int s = status();
        if (s < erstesFehlerStatus)
            return {};
        const char* t = text ? text() : nullptr;
        return t && *t ? QString::fromLocal8Bit(t) : QStringLiteral("IPP 0x%1").arg(s, 4, 16, QLatin1Char('0'));
    }

    bool angehalten(const QString& name) override
    {
        const auto holen = funktion<CupsZiel* (*)(void*, const char*, const char*)>("cupsGetNamedDest");
        const auto option = funktion<const char* (*)(const char*, int, CupsOption*)>("cupsGetOption");
        const auto freigeben = funktion<void (*)(int, CupsZiel*)>("cupsFreeDests");
        if (!holen || !option || !freigeben)
            return false;
        // An instance ("queue/instance") shares the state of its queue.
        CupsZiel* ziel = holen(nullptr, name.section(QLatin1Char('/'), 0, 0).toLocal8Bit().constData(), nullptr);
        if (!ziel)
            return false;
        const char* zustand = option("printer-state", ziel->num_options, ziel->options);
        const bool gestoppt = zustand && QByteArray(zustand).toInt() == druckerAngehalten;
        freigeben(1, ziel);
        return gestoppt;
    }

    // A connection to the scheduler, the way libcups makes its own: the
    // configured server (often a local socket), port and encryption.
    bool erreichbar() override
    {
        const auto server = funktion<const char* (*)()>("cupsServer");
        const auto port = funktion<int (*)()>("ippPort");
        const auto verschluesselung = funktion<int (*)()>("cupsEncryption");
        const auto verbinden =
            funktion<void* (*)(const char*, int, void*, int, int, int, int, int*)>("httpConnect2");
        const auto schliessen = funktion<void (*)(void*)>("httpClose");
        if (!server || !port || !verschluesselung || !verbinden || !schliessen)
            return true;
        void* http = verbinden(server(), port(), nullptr, AF_UNSPEC, verschluesselung(), 1, verbindenMs, nullptr);
        if (!http)
            return false;
        schliessen(http);
        return true;
    }
};

}  // namespace

std::unique_ptr<Druckdienst> systemDruckdienst() { return std::make_unique<Systemdienst>(); }
