#!/usr/bin/env python3
"""A small update site on 127.0.0.1 for the update window's scripts.

update_site.py VERSION [ARCHIVE]: writes site/info.html naming VERSION and
site/update.zip (a tiny archive, or ARCHIVE: "missing" leaves it out), then
serves site/ in the background on a free port. The page's address goes to
the file update-url (the script runner passes it to the driver), the
server's process id to server.pid. The server ends after 60 requests or
120 seconds, whichever comes first.
"""
import http.server
import os
import sys
import threading
import zipfile

version = sys.argv[1]
archive = sys.argv[2] if len(sys.argv) > 2 else "good"
os.makedirs("site", exist_ok=True)
if archive == "good":
    with zipfile.ZipFile("site/update.zip", "w", zipfile.ZIP_DEFLATED) as z:
        # A fixed date: the unpacked files keep it, and the runner lists
        # only pages newer than the run.
        for name, text in (("readme.txt", "The new version.\r\n"), ("lang/new.lng", "[lang]\r\n")):
            z.writestr(zipfile.ZipInfo(name, (2020, 5, 17, 12, 30, 0)), text)

server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0),
    lambda *a, **k: http.server.SimpleHTTPRequestHandler(*a, directory="site", **k))
port = server.server_address[1]
base = "http://127.0.0.1:%d/" % port
with open("site/info.html", "w") as page:
    page.write('<HTML><HEAD>\r\n<META NAME="upProduct" CONTENT="Tessaly">\r\n'
               '<META NAME="upVersion" CONTENT="%s">\r\n'
               '<META NAME="upDownload" CONTENT="%supdate.zip">\r\n'
               '<META NAME="upClientSideName" CONTENT="update.zip">\r\n'
               '</HEAD><BODY>News of the site</BODY></HTML>\r\n' % (version, base))

child = os.fork()
if child != 0:
    with open("server.pid", "w") as f:
        f.write(str(child))
    with open("update-url", "w") as f:
        f.write(base + "info.html")
    sys.exit(0)
os.setsid()
devnull = os.open(os.devnull, os.O_RDWR)
for fd in (0, 1, 2):
    os.dup2(devnull, fd)
threading.Timer(120, lambda: os._exit(0)).start()
for _ in range(60):
    server.handle_request()
os._exit(0)
