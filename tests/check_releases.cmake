# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

# The metainfo's releases from a changelog of two entries: newest first, each
# line one item with its wrapped text joined, and XML's own characters escaped;
# and the release the build names, the first entry's.
#   cmake -DRELEASE_CMAKE=… -DSCRATCH=… -P check_releases.cmake
include("${RELEASE_CMAKE}")
file(WRITE "${SCRATCH}/changelog" [[
bandit-manchot (1.1.0) unstable; urgency=medium

  * Clock; date & <time>.
  * A line
    wrapped.

 -- A <a@example.invalid>  Wed, 3 Feb 2027 09:00:00 +0100

bandit-manchot (1.0.0) unstable; urgency=medium

  * First.

 -- A <a@example.invalid>  Tue, 08 Dec 2026 12:00:00 +0000
]])
appstream_releases("${SCRATCH}/changelog" releases)
string(REGEX REPLACE ">[\n ]+<" "><" releases "${releases}")
set(expected [[<release version="1.1.0" date="2027-02-03"><description><ul>
<li>Clock; date &amp; &lt;time&gt;.</li><li>A line wrapped.</li></ul></description></release>
<release version="1.0.0" date="2026-12-08"><description><ul><li>First.</li></ul></description>
</release>]])
string(REGEX REPLACE ">[\n ]+<" "><" expected "${expected}")
if(NOT releases STREQUAL expected)
    message(FATAL_ERROR "releases:\n${releases}\nexpected:\n${expected}")
endif()
read_release("${SCRATCH}/changelog")
if(NOT "${RELEASE_VERSION} ${RELEASE_DATE}" STREQUAL "1.1.0 2027-02-03")
    message(FATAL_ERROR "release: ${RELEASE_VERSION} ${RELEASE_DATE}")
endif()
