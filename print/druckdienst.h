#pragma once

// The print window's view of the system's print service. Qt draws the page
// and hands it to a queue, but it says neither whether the queue took the
// job, nor whether the queue holds its jobs, nor why the printer list is
// empty: an empty list may mean that no printer is installed or that the
// scheduler does not answer. The window asks this instead; tests put in a
// service of their own that answers as they please.

#include <QString>
#include <QStringList>

#include <memory>

class QPrinter;

class Druckdienst {
public:
    virtual ~Druckdienst() = default;

    // Names of the installed queues, and the system's default queue (empty
    // when there is none).
    virtual QStringList drucker() = 0;
    virtual QString standardDrucker() = 0;

    // Points the printer at the named queue; false when it cannot be opened.
    virtual bool ansteuern(QPrinter& drucker, const QString& name) = 0;

    // Why the job just handed over was not taken; empty when it was. Asked
    // first after the job: any later request to the service replaces the
    // answer.
    virtual QString ablehnung() = 0;

    // Whether the queue takes jobs but holds them instead of printing
    // (stopped, e.g. by cupsdisable).
    virtual bool angehalten(const QString& name) = 0;

    // Whether the scheduler answers at all. True where nothing can be asked.
    virtual bool erreichbar() = 0;
};

// The system's service: the queues as Qt lists them, and CUPS asked through
// the libcups that Qt's print plugin has loaded (no link dependency; where
// Qt does not print through CUPS there is nothing to ask, and every job
// counts as taken by a queue that prints it).
std::unique_ptr<Druckdienst> systemDruckdienst();
