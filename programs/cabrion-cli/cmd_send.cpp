// cabrion-cli send: sends a configuration of a file to the BTS as the transfer dialog does, and
// reads it back.
#include "CandidateInput.h"
#include "TransferSession.h"
#include "app/settings/MachineSettings.h"
#include "app/settings/UserAccessControl.h"
#include "app/transfer/BTSUpdateFetchDlg.h"
#include "files/ConfigInfoKODA.h"
#include "files/HWInfoFile.h"

static cli::CommandRegistrar register_send("send", [](CLI::App& app) {
    app.description("Send a configuration of a file to the BTS and read it back; a remote "
                    "target needs full control when the machine checks access");
    auto file = std::make_shared<std::string>();
    auto choice = std::make_shared<cli::ConfigChoice>();
    auto target = std::make_shared<std::string>();
    auto yes = std::make_shared<bool>(false);
    auto passive = std::make_shared<std::string>();
    auto timeout = std::make_shared<double>(30.0);
    app.add_option("file", *file, "Configuration file (.hwc, .sdf or .ewb)")->required();
    cli::AddConfigChoice(app, *choice, "", "the file");
    app.add_option("--target", *target, "Target text of the BTS")->required();
    app.add_flag("--yes", *yes, "Answer the questions with Yes (default No)");
    app.add_option("--passive", *passive, "Also send the passive unit information of a .hwi");
    app.add_option("--timeout", *timeout, "Seconds to wait for the BTS (default 30)")
        ->check(CLI::Range(0.1, 3600.0));
    return [=]() -> int {
        // The same rule as the window's: a BTS reached through the network takes a
        // configuration only from a user with full control. Refused before any link is opened.
        const bool remote = !cli::IsLocalTarget(*target);
        const CMachineSettings machine;
        for (const std::string& note : machine.Notes()) {
            std::cerr << note << "\n";
        }
        const bool fullControl = CUserAccessControl(machine, CSystemUserGroups()).AccessLevel() ==
                                 CUserAccessControl::kFullControl;
        if (remote && !fullControl) {
            std::cerr << LoadString(64098) << "\n";
            return cli::kExitProblems;
        }
        cli::CTerminalSiteHost host(*yes);
        CSiteKODA site(&host, &host);
        host.Attach(&site);
        std::string configName;
        int problems = 0;
        if (const int rc = cli::LoadCandidate(*file, *choice, site, configName, problems);
            rc != 0) {
            return rc;
        }
        CHWInfoFileConf candidatePassive;
        if (!passive->empty() && !candidatePassive.Import(*passive)) {
            std::cerr << *passive << ": " << CHWInfoFile::kImportFailed << "\n";
            return cli::kExitUsage;
        }
        cli::CUplinkFeeder feeder(CCommunicationBTS::Instance(), CMMIServ::Instance());
        if (!cli::ConnectForTransfer(*target, *timeout, host, feeder)) {
            return cli::kExitProblems;
        }
        CHWInfoFile btsPassive;
        STransferContext context = cli::TransferContext();
        context.candidatePassive = &candidatePassive;
        context.btsPassive = &btsPassive;
        CConfigTransfer transfer(site, context);
        CConfigInfoKODA info(&site);
        info.SetBtsConnected(true);
        info.SetPassiveUnits(1, &candidatePassive);
        info.SetPassiveUnits(2, &btsPassive);

        CBTSUpdateFetchDlg::SEnvironment env;
        env.site = &site;
        env.transfer = &transfer;
        env.info = &info;
        env.linkUp = [&feeder] { return feeder.linkUp; };
        env.bcfState = [] { return cli::BcfState(CMMIServ::Instance()); };
        env.remote = remote;
        env.fullControl = fullControl;
        env.candidatePassive = &candidatePassive;
        env.btsPassive = &btsPassive;
        env.log = [&host](const std::string& line) { host.LogEvent(line); };

        // Success is told on standard output, a failure and its reason on standard error; a
        // question answered No leaves the status at "Ready", which is no success either.
        const auto report = [](const CBTSUpdateFetchDlg& dlg) {
            const bool sent = dlg.status == LoadString(164);
            if (sent) {
                std::cout << dlg.status << std::endl;
            } else if (dlg.status == LoadString(165)) {
                std::cerr << "Nothing was sent: a question was answered No (--yes answers Yes)"
                          << std::endl;
            } else {
                std::cerr << dlg.status << std::endl;
            }
            return sent;
        };
        bool ok = false;
        CBTSUpdateFetchDlg send(CBTSUpdateFetchDlg::kSendConfiguration, env);
        if (send.Start()) {
            send.OnSend();
            ok = report(send);
            // The dialog calls a send successful once both files went out; a script also needs
            // to know that the BTS gave them back.
            if (ok && (CConfigTransfer::TransferStatus(1) != 1 ||
                       CConfigTransfer::TransferStatus(2) != 1)) {
                std::cerr << "The configuration was sent but could not be read back for "
                             "verification.\n";
                ok = false;
            }
        } else {
            report(send);
        }
        if (ok && !passive->empty()) {
            CBTSUpdateFetchDlg sendPassive(CBTSUpdateFetchDlg::kSendPassive, env);
            sendPassive.Start();
            sendPassive.OnSend();
            ok = report(sendPassive);
        }
        cli::Disconnect();
        return ok ? cli::kExitOk : cli::kExitProblems;
    };
});
