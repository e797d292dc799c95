#!/usr/bin/python3
"""Calibration software's side of a Resolve connection for the end-to-end tests: DisplayCAL's own
Resolve pattern generator server, listening on PORT. Reads commands on stdin, one a line, and answers
each on stdout when it is done:
  wait                              -> "connected" once a generator has connected
  send R G B BR BG BB X Y W H       -> "sent" (colours and geometry from 0 to 1)
  disconnect                        -> "disconnected"
Run it with the system's python3, which has DisplayCAL."""
import sys

from DisplayCAL.patterngenerators import ResolveCMPatternGeneratorServer

server = ResolveCMPatternGeneratorServer(port=int(sys.argv[1]))
print("listening", flush=True)
for line in sys.stdin:
    words = line.split()
    if not words:
        continue
    if words[0] == "wait":
        server.wait()
        print("connected", flush=True)
    elif words[0] == "send":
        v = [float(w) for w in words[1:]]
        server.send(tuple(v[0:3]), tuple(v[3:6]), x=v[6], y=v[7], w=v[8], h=v[9])
        print("sent", flush=True)
    elif words[0] == "disconnect":
        server.disconnect_client()
        print("disconnected", flush=True)
