// kvm-sim: a virtual two-port KVM switch for running and testing the program
// without hardware. See the README for the options.

#include "FirmwareService.h"
#include "SimServer.h"
#include "ControlClient.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

const char kUsage[] =
    "usage: kvm-sim --socket NAME [--trace FILE] [--firmware-service PORT] [--upgrade-tool FILE]\n"
    "               [--switch SPEC]... [--other SPEC]...\n"
    "       kvm-sim --socket NAME ctl unplug I | plug I | set I key=value... | state I | flash | clock | quit\n"
    "switch SPEC: model=,vid=,pid=,fw=,port=1|2,host=1|2,mode=normal|faster,name1=,name2=,\n"
    "             port1=,port2=,extra=LINE,path=,\n"
    "             echo,silent,failsend,failread=N,delay=MS,split,vanish-after=N,\n"
    "             offer=VERSION,offer-delay=MS,offer-status=N,offer-body=garbage,\n"
    "             offer-url=URL|/PATH,offer-file=tool|other|nolength|drip|error,offer-gap=MS,\n"
    "             redirect=LOCATION,offer-size=N,refuse-update,\n"
    "             refuse-open=permission|busy|none\n"
    "--firmware-service PORT: answer firmware queries on 127.0.0.1:PORT (0: a free one)\n"
    "--upgrade-tool FILE: the file served for every offer (default: the built fw-upgrade-tool)\n"
    "other SPEC:  vid=,pid=,product=\n";

int fail(const QString &message)
{
    std::fprintf(stderr, "kvm-sim: %s\n", qPrintable(message));
    return 2;
}

int runControl(const QString &socketName, const QStringList &args)
{
    const simcontrol::Answer answer = simcontrol::send(socketName, args, 2000, 5000);
    switch (answer.outcome) {
    case simcontrol::Outcome::NotConnected:
        return fail(QStringLiteral("no virtual switch on \"%1\"").arg(socketName));
    case simcontrol::Outcome::NoAnswer:
        return fail(QStringLiteral("no answer"));
    case simcontrol::Outcome::Refused:
        return fail(answer.output.isEmpty() ? QStringLiteral("refused") : answer.output);
    case simcontrol::Outcome::Done:
        break;
    }
    if (!answer.output.isEmpty())
        std::printf("%s\n", qPrintable(answer.output));
    return 0;
}

bool parseOther(const QString &text, int index, OtherDevice *device, QString *error)
{
    device->index = index;
    for (const QString &pair : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString key = pair.section(QLatin1Char('='), 0, 0);
        const QString value = pair.section(QLatin1Char('='), 1);
        bool ok = true;
        if (key == QLatin1String("vid"))
            device->vid = static_cast<quint16>(value.toUInt(&ok, 16));
        else if (key == QLatin1String("pid"))
            device->pid = static_cast<quint16>(value.toUInt(&ok, 16));
        else if (key == QLatin1String("product"))
            device->product = value;
        else
            ok = false;
        if (!ok) {
            *error = QStringLiteral("bad other device \"%1\"").arg(pair);
            return false;
        }
    }
    return true;
}

// The upgrade tool installed beside kvm-sim, else the one of this build tree.
QString defaultUpgradeTool()
{
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/fw-upgrade-tool");
    if (QFileInfo::exists(beside) || QFileInfo::exists(beside + QStringLiteral(".exe")))
        return QFileInfo::exists(beside) ? beside : beside + QStringLiteral(".exe");
    return QStringLiteral(KVM_SIM_BUILT_UPGRADE_TOOL);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);

    QString socketName;
    QString tracePath;
    int firmwarePort = -1; // no firmware service
    QString toolPath = defaultUpgradeTool();
    std::vector<SimSwitch> switches;
    std::vector<OtherDevice> others;
    std::vector<bool> order;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == QLatin1String("ctl")) {
            if (socketName.isEmpty())
                return fail(QStringLiteral("ctl needs --socket NAME first"));
            return runControl(socketName, args.mid(i + 1));
        }
        if (i + 1 >= args.size())
            return fail(QStringLiteral("%1 needs a value\n%2").arg(arg, QLatin1String(kUsage)));
        const QString value = args.at(++i);
        QString error;
        if (arg == QLatin1String("--socket")) {
            socketName = value;
        } else if (arg == QLatin1String("--trace")) {
            tracePath = value;
        } else if (arg == QLatin1String("--firmware-service")) {
            bool ok = false;
            firmwarePort = value.toInt(&ok);
            if (!ok || firmwarePort < 0 || firmwarePort > 65535)
                return fail(QStringLiteral("bad port \"%1\"").arg(value));
        } else if (arg == QLatin1String("--upgrade-tool")) {
            toolPath = value;
        } else if (arg == QLatin1String("--switch")) {
            SwitchSpec spec;
            if (!applySpec(value, spec, &error))
                return fail(error);
            switches.emplace_back(static_cast<int>(switches.size()) + 1, spec);
            order.push_back(true);
        } else if (arg == QLatin1String("--other")) {
            OtherDevice device;
            if (!parseOther(value, static_cast<int>(others.size()) + 1, &device, &error))
                return fail(error);
            others.push_back(device);
            order.push_back(false);
        } else {
            return fail(QStringLiteral("unknown option %1\n%2").arg(arg, QLatin1String(kUsage)));
        }
    }
    if (socketName.isEmpty())
        return fail(QStringLiteral("--socket NAME is required\n%1").arg(QLatin1String(kUsage)));

    SimServer server(std::move(switches), std::move(others), order);
    QString error;
    if (!tracePath.isEmpty() && !server.openTrace(tracePath, &error))
        return fail(QStringLiteral("cannot write trace %1: %2").arg(tracePath, error));
    if (!server.listen(socketName, &error))
        return fail(QStringLiteral("cannot listen on %1: %2").arg(socketName, error));
    FirmwareService firmware([&server](const QString &model) { return server.specOfModel(model); }, toolPath);
    if (firmwarePort >= 0 && !firmware.listen(static_cast<quint16>(firmwarePort), &error))
        return fail(QStringLiteral("cannot serve firmware queries on port %1: %2").arg(firmwarePort).arg(error));
    // Scripts and tests wait for this line before they start the program,
    // and read the firmware service's address from the next one.
    std::printf("kvm-sim listening on %s\n", qPrintable(server.fullServerName()));
    if (firmwarePort >= 0)
        std::printf("kvm-sim firmware service on %s\n", qPrintable(firmware.baseUrl()));
    std::fflush(stdout);
    return app.exec();
}
