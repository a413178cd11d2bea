#include "app/ProcessEntry.h"

EntryResult RunApplications(const AppFactory& create, const LaunchOptions& launch) {
    EntryResult result;
    bool restart = false;
    do {
        std::unique_ptr<App> app = create();
        app->Initialize(launch);
        app->Run();
        app->Quit();
        restart = app->mRestart;
        result.updates = app->mUpdateCount;
        result.draws = app->mDrawCount;
        result.exitCode = app->mExitCode;
    } while (restart);
    return result;
}
