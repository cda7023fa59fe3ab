# SPDX-FileCopyrightText: 2026 The Bandit Manchot developers
# SPDX-License-Identifier: MIT

"""Debian's Apache serving the page's folder on the loopback address with the
configuration we ship for it."""

import os
import pathlib
import shutil

from .browser import answers, free_port
from .processes import PROCESSES, scratch_folder, wait_for

SHIPPED = pathlib.Path(__file__).resolve().parents[3] / "packaging/web/apache.conf"

# No table of types, so that the shipped rules must name each type the folder
# has; and what a Debian server has set before them, which they must undo:
# its mime.conf makes .gz a type and .br a language, its deflate.conf
# compresses these types on the fly.
MAIN_CONFIG = """\
ServerRoot "{scratch}"
DefaultRuntimeDir "{scratch}"
PidFile "{scratch}/apache2.pid"
ErrorLog "{scratch}/error.log"
Listen 127.0.0.1:{port}
ServerName 127.0.0.1
{modules}
{user}
TypesConfig /dev/null
AddType application/x-gzip .gz
AddLanguage br .br
AddOutputFilterByType DEFLATE text/html text/javascript application/wasm
DocumentRoot "{site}"
<Directory "{site}">
    Require all granted
    Include "{shipped}"
</Directory>
"""
MODULES = ("mpm_event", "authz_core", "mime", "dir", "rewrite", "headers", "filter", "deflate")


def serve_with_apache(folder):
    """The address of Apache serving a copy of this folder, while the test
    runs. Started as root, Apache serves as www-data, which may not reach
    the folder itself: the copy is in a scratch folder it can read."""
    scratch = scratch_folder("apache-")
    os.chmod(scratch, 0o755)
    site = shutil.copytree(folder, os.path.join(scratch, "site"))
    port = free_port()
    url = "http://127.0.0.1:%d/" % port
    config = os.path.join(scratch, "apache2.conf")
    with open(config, "w") as main:
        main.write(MAIN_CONFIG.format(
            scratch=scratch, port=port, site=site, shipped=SHIPPED,
            modules="\n".join("LoadModule %s_module /usr/lib/apache2/modules/mod_%s.so"
                              % (module, module) for module in MODULES),
            # Apache does not serve as root.
            user="User www-data\nGroup www-data" if os.geteuid() == 0 else ""))
    log = os.path.join(scratch, "error.log")
    with open(log, "a") as errors:
        server = PROCESSES.start(["/usr/sbin/apache2", "-f", config, "-DFOREGROUND"],
                                 stderr=errors)
    wait_for(lambda: server.poll() is not None or answers(url), "Apache to answer")
    if server.poll() is not None:
        raise AssertionError("Apache ended:\n" + pathlib.Path(log).read_text())
    return url
