"""Runs Orca as /usr/bin/orca does, with its arguments, except that it
neither refuses to start beside nor ends (--replace) the other Orcas of the
same user on the machine, and keeps its process name: other tests and people
may run Orca at the same time."""

import runpy
import sys

sys.argv[0] = "/usr/bin/orca"
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_alone")
main = launcher["main"]
main.__globals__["otherOrcas"] = lambda: []
main.__globals__["setProcessName"] = lambda name: None
sys.exit(main())
