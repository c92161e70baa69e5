#include <iostream>
#include <string>
#include <vector>

#include <dlfcn.h>
#include <unistd.h>

#include <QCoreApplication>

#include "cli/cli_graph.h"
#include "cli/cli_options.h"
#include "cli/graph_module.h"
#include "cli/talo_cli.h"

namespace {

std::string ExecutableDir()
{
    std::string path(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<size_t>(length) >= path.size())
        return ".";
    path.resize(static_cast<size_t>(length));
    return path.substr(0, path.rfind('/'));
}

std::string LoaderError(const std::string& what)
{
    const char* reason = dlerror();
    return reason != nullptr ? reason : what;
}

// The module next to the program (the build tree), else where the package
// installs it, found from the program's own folder so that an unpacked
// package works wherever it lies. Null with the loader's reason on failure.
void* OpenGraphModule(std::string& error)
{
    const std::string dir = ExecutableDir();
    const std::string beside = dir + "/" TALO_GRAPH_MODULE;
    const std::string installed = dir + "/" TALO_GRAPH_MODULE_DIR "/" TALO_GRAPH_MODULE;
    const std::string& path = access(beside.c_str(), F_OK) == 0 ? beside : installed;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr)
        error = LoaderError(path);
    return module;
}

GraphModuleWrite g_writeGraph = nullptr;

bool WriteThroughModule(const DQORecord& rec, const std::string& path, QSize size,
                        std::string& error)
{
    return g_writeGraph(&rec, path.c_str(), size.width(), size.height(), &error);
}

int RunWithArguments(void* arguments)
{
    return RunTaloCli(*static_cast<const std::vector<std::string>*>(arguments), std::cout,
                      std::cerr);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv, argv + argc);
    // Text needs neither Qt Gui nor a GUI platform: only a graph loads them.
    if (!DrawsGraph(arguments)) {
        QCoreApplication app(argc, argv);
        return RunTaloCli(arguments, std::cout, std::cerr);
    }
    std::string error;
    void* module = OpenGraphModule(error);
    GraphModuleRun run = nullptr;
    if (module != nullptr) {
        run = reinterpret_cast<GraphModuleRun>(dlsym(module, kGraphModuleRun));
        g_writeGraph = reinterpret_cast<GraphModuleWrite>(dlsym(module, kGraphModuleWrite));
        if (run == nullptr || g_writeGraph == nullptr)
            error = LoaderError(kGraphModuleRun);
    }
    if (run == nullptr || g_writeGraph == nullptr) {
        std::cerr << "talo-cli: cannot draw the graph: " << error << "\n";
        return 1;
    }
    SetGraphWriter(WriteThroughModule);
    return run(argc, argv, RunWithArguments, &arguments);
}
