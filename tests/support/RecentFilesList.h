// The desktop's list of recent files as another program left it: one file of its own, for
// the tests that show the program adds nothing to it and takes nothing from it.
#pragma once

namespace testsupport {

inline constexpr char kOtherProgramsRecentFiles[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<xbel version=\"1.0\"\n"
    "      xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
    "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\"\n"
    ">\n"
    "  <bookmark href=\"file:///home/jdoe/letter.txt\" added=\"2026-01-02T03:04:05.000000Z\" "
    "modified=\"2026-01-02T03:04:05.000000Z\" visited=\"2026-01-02T03:04:05.000000Z\">\n"
    "    <info>\n"
    "      <metadata owner=\"http://freedesktop.org\">\n"
    "        <mime:mime-type type=\"text/plain\"/>\n"
    "        <bookmark:applications>\n"
    "          <bookmark:application name=\"editor\" exec=\"&apos;editor %u&apos;\" "
    "modified=\"2026-01-02T03:04:05.000000Z\" count=\"1\"/>\n"
    "        </bookmark:applications>\n"
    "      </metadata>\n"
    "    </info>\n"
    "  </bookmark>\n"
    "</xbel>\n";

}  // namespace testsupport
