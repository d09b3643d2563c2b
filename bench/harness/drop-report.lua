-- Prints mpv's dropped-frame counters when it quits (read by the benchmark).
-- The counters are gone once the file has ended, so their last values are kept.
local counts = { ["frame-drop-count"] = -1, ["decoder-frame-drop-count"] = -1 }
for name in pairs(counts) do
    mp.observe_property(name, "number", function(_, value)
        if value then counts[name] = value end
    end)
end
mp.register_event("shutdown", function()
    io.write(string.format("bench-dropped %d %d\n", counts["frame-drop-count"],
                           counts["decoder-frame-drop-count"]))
    io.flush()
end)
