#pragma once

#include <string>

// For the tests that run against the real kernel in network namespaces of their own
// (Linux, as root): the commands that build the namespaces, and what a process does to
// see one of them as its own.
namespace bytelora::testing {

// Runs a command through the shell (the `ip` and `sysctl` that make namespaces, links
// and routes) with its output thrown away; true when it exits 0.
bool Shell(const std::string& command);

// Enters the network namespace that `ip netns add <name>` made; false when it cannot.
bool EnterNamedNetworkNamespace(const std::string& name);

// Moves this process into a mount namespace of its own whose mounts reach no other, so
// that nothing it mounts leaks to the machine even if the test dies half-way. Empty
// when done, else why not.
std::string EnterPrivateMountNamespace();

// Mounts sysfs afresh in a mount namespace of its own, as `ip netns exec` does, so that
// /sys/class/net shows the network namespace this process is in now (the interface
// look-ups read it there). Empty when done, else why not.
std::string MountSysfsOfThisNetworkNamespace();

}  // namespace bytelora::testing
