#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A stable 32-bit identifier of this computer, derived from its machine id: it names the
// workstation in the controller's change history and opens the administrator gate. False
// when the machine has no readable id.
bool WorkstationIdentifier(uint32_t& id, const std::string& machineIdFile = "/etc/machine-id");
// The same from the machine id file's text: its first line; false when that is empty.
bool WorkstationIdentifierOf(std::string_view machineId, uint32_t& id);

// Workstations on which the program starts in administrator mode, and those that see the
// extended tabs.
bool IsAdministratorWorkstation(uint32_t id);
bool HasExtendedTabs(uint32_t id);
