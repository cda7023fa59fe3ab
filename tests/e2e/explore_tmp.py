import sys, json, time
sys.path.insert(0, "/work/main/tests/e2e")
from harness.browser import Chromium, Server
from harness.processes import PROCESSES, wait_for
import web_page
folder = sys.argv[1]
web_page.FOLDER = folder
page = web_page.Page(Server(folder))
b = page.browser
time.sleep(2)
def dump(label):
    print("=====", label)
    for node in b.send("Accessibility.getFullAXTree")["nodes"]:
        if node.get("ignored"): continue
        role = node["role"].get("value"); name = node.get("name", {}).get("value", "")
        if role in ("RootWebArea", "InlineTextBox"): continue
        desc = node.get("description", {}).get("value", "")
        box = ""
        if "backendDOMNodeId" in node:
            try:
                m = b.send("DOM.getBoxModel", backendNodeId=node["backendDOMNodeId"])["model"]["border"]
                box = "(%d,%d %dx%d)" % (m[0], m[1], m[2]-m[0], m[5]-m[1])
            except AssertionError: box = "(no box)"
        focused = any(p["name"] == "focused" and p["value"]["value"] for p in node.get("properties", []))
        print(" ", role, repr(name), repr(desc) if desc else "", box, "FOCUSED" if focused else "")
    print("  active:", b.evaluate("(a => a && (a.outerHTML.slice(0, 120)))((document.getElementById('qt-shadow-container').shadowRoot || document).activeElement)"))
    print("  live:", page.announced())
dump("loaded")
for step in sys.argv[2:]:
    keys = ["js"] if step.startswith("js ") else step.split("+")
    if keys[0] == "click":
        page.click(keys[1], keys[2])
    elif keys[0] == "js":
        print("JS:", b.evaluate(step[3:])); continue
    elif keys[0] == "shot":
        b.screenshot(keys[1])
    elif keys[0] == "axe":
        b.evaluate(web_page.AXE.read_text())
        print(json.dumps(b.evaluate("axe.run().then(r => r.violations.map(v => [v.id, v.impact, v.nodes.map(n => n.target.join(' ') + ' ' + n.failureSummary.slice(0,200))]))"), indent=1, ensure_ascii=False))
        continue
    else:
        b.press(*keys)
    time.sleep(1.5)
    dump(step)
PROCESSES.end_all()
