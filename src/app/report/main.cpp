#include <iostream>

#include "app/report/ReportCommand.h"

int main(int argc, char** argv) {
    return veltrin::RunReportCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                     std::cerr);
}
