"""Medians and per-round ratios over interleaved runs."""
import statistics


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def per_round_ratios(ours, theirs):
    """Ratio of two players' figures round by round: both ran in the same batch, so
    slow phases of a noisy machine weigh on both sides of each ratio alike."""
    return [a / b if a is not None and b else None for a, b in zip(ours, theirs)]


def per_round_multiples(values, floors):
    return per_round_ratios(values, floors)


def best_reference(medians, lower_is_better=True):
    """(name, value) of the reference with the best median, or (None, None)."""
    known = {name: value for name, value in medians.items() if value is not None}
    if not known:
        return None, None
    pick = min if lower_is_better else max
    name = pick(known, key=known.get)
    return name, known[name]
