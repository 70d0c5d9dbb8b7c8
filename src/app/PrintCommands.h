#pragma once

// Plugs print preparation and the printer setup into the main window's printing commands.
void installPrintCommands();
