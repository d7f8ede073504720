.class public Lcom/pelorin/player/Playlist;
.super Ljava/lang/Object;
.source "Playlist.smali"

# The playing order of the album and what follows the current song. Repeat
# modes: 0 "all" (the list starts again), 1 "one" (the song again), 2 "off"
# (stop after the last song). Automatic steps (a song ended or failed) stop
# at the end unless the list repeats; the listener's next and previous always
# wrap. With shuffle on, every song comes once per round. Main thread only.


.field private final count:I

.field private final random:Ljava/util/Random;

# the shuffled order of all songs and the place of the current song in it
.field private order:[I

.field private pos:I

.field private shuffle:Z

.field private repeat:I


.method public constructor <init>(I)V
    .registers 3

    invoke-direct {p0}, Ljava/lang/Object;-><init>()V

    iput p1, p0, Lcom/pelorin/player/Playlist;->count:I

    new-instance v0, Ljava/util/Random;
    invoke-direct {v0}, Ljava/util/Random;-><init>()V
    iput-object v0, p0, Lcom/pelorin/player/Playlist;->random:Ljava/util/Random;

    new-array v0, p1, [I
    iput-object v0, p0, Lcom/pelorin/player/Playlist;->order:[I

    return-void
.end method


.method public isShuffle()Z
    .registers 2

    iget-boolean v0, p0, Lcom/pelorin/player/Playlist;->shuffle:Z

    return v0
.end method


.method public isRepeatOne()Z
    .registers 3

    iget v0, p0, Lcom/pelorin/player/Playlist;->repeat:I
    const/4 v1, 0x1
    if-eq v0, v1, :one

    const/4 v0, 0x0
    return v0

    :one
    return v1
.end method


# "all", "one" or "off", as the page names the modes.
.method public repeatName()Ljava/lang/String;
    .registers 3

    iget v0, p0, Lcom/pelorin/player/Playlist;->repeat:I
    if-nez v0, :not_all
    const-string v1, "all"
    return-object v1

    :not_all
    const/4 v1, 0x1
    if-ne v0, v1, :off
    const-string v1, "one"
    return-object v1

    :off
    const-string v1, "off"
    return-object v1
.end method


# Any name but "one" and "off" repeats the list.
.method public setRepeat(Ljava/lang/String;)V
    .registers 4

    const/4 v0, 0x0

    const-string v1, "one"
    invoke-virtual {v1, p1}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v1
    if-eqz v1, :not_one
    const/4 v0, 0x1

    :not_one
    const-string v1, "off"
    invoke-virtual {v1, p1}, Ljava/lang/String;->equals(Ljava/lang/Object;)Z
    move-result v1
    if-eqz v1, :store
    const/4 v0, 0x2

    :store
    iput v0, p0, Lcom/pelorin/player/Playlist;->repeat:I

    return-void
.end method


# Turning shuffle on starts a new order from the current song.
.method public setShuffle(ZI)V
    .registers 3

    iput-boolean p1, p0, Lcom/pelorin/player/Playlist;->shuffle:Z

    if-eqz p1, :off
    invoke-virtual {p0, p2}, Lcom/pelorin/player/Playlist;->reshuffle(I)V

    :off
    return-void
.end method


# A new shuffled order of all songs that starts with `first` when that is a
# song (Fisher-Yates over the rest).
.method public reshuffle(I)V
    .registers 9

    # v0: the order, v1: count, v2: k, v3: where the shuffled part starts
    iget v1, p0, Lcom/pelorin/player/Playlist;->count:I
    new-array v0, v1, [I

    const/4 v2, 0x0
    :fill
    if-ge v2, v1, :filled
    aput v2, v0, v2
    add-int/lit8 v2, v2, 0x1
    goto :fill

    :filled
    const/4 v3, 0x0
    if-ltz p1, :shuffle
    if-ge p1, v1, :shuffle
    aput p1, v0, v3
    aput v3, v0, p1
    const/4 v3, 0x1

    :shuffle
    add-int/lit8 v2, v1, -0x1
    :swap
    if-le v2, v3, :done
    iget-object v4, p0, Lcom/pelorin/player/Playlist;->random:Ljava/util/Random;
    sub-int v5, v2, v3
    add-int/lit8 v5, v5, 0x1
    invoke-virtual {v4, v5}, Ljava/util/Random;->nextInt(I)I
    move-result v5
    add-int/2addr v5, v3
    aget v4, v0, v2
    aget v6, v0, v5
    aput v6, v0, v2
    aput v4, v0, v5
    add-int/lit8 v2, v2, -0x1
    goto :swap

    :done
    iput-object v0, p0, Lcom/pelorin/player/Playlist;->order:[I
    const/4 v2, 0x0
    iput v2, p0, Lcom/pelorin/player/Playlist;->pos:I

    return-void
.end method


# The song to start when none is chosen: the first of the album, or of a
# new shuffled order. Needs at least one song.
.method public first()I
    .registers 3

    iget-boolean v0, p0, Lcom/pelorin/player/Playlist;->shuffle:Z
    if-nez v0, :shuffled
    const/4 v0, 0x0
    return v0

    :shuffled
    const/4 v0, -0x1
    invoke-virtual {p0, v0}, Lcom/pelorin/player/Playlist;->reshuffle(I)V
    iget-object v0, p0, Lcom/pelorin/player/Playlist;->order:[I
    const/4 v1, 0x0
    aget v0, v0, v1
    return v0
.end method


# The song after (dir 1) or before (dir -1) `current`, or -1 when the album
# ends there (or has no songs).
.method public step(IIZ)I
    .registers 10

    # v0: count, v1: whether the step may wrap round
    iget v0, p0, Lcom/pelorin/player/Playlist;->count:I
    if-gtz v0, :has_songs
    const/4 v1, -0x1
    return v1

    :has_songs
    const/4 v1, 0x1
    if-eqz p3, :wrap_known
    iget v2, p0, Lcom/pelorin/player/Playlist;->repeat:I
    if-eqz v2, :wrap_known
    const/4 v1, 0x0

    :wrap_known
    iget-boolean v2, p0, Lcom/pelorin/player/Playlist;->shuffle:Z
    if-eqz v2, :in_order

    # shuffled: the order is kept while it still has the current song at pos
    iget-object v2, p0, Lcom/pelorin/player/Playlist;->order:[I
    iget v3, p0, Lcom/pelorin/player/Playlist;->pos:I
    aget v4, v2, v3
    if-eq v4, p1, :order_kept
    invoke-virtual {p0, p1}, Lcom/pelorin/player/Playlist;->reshuffle(I)V

    :order_kept
    iget-object v2, p0, Lcom/pelorin/player/Playlist;->order:[I
    iget v3, p0, Lcom/pelorin/player/Playlist;->pos:I
    add-int/2addr v3, p2
    if-ltz v3, :shuffled_edge
    if-ge v3, v0, :shuffled_edge
    iput v3, p0, Lcom/pelorin/player/Playlist;->pos:I
    aget v4, v2, v3
    return v4

    :shuffled_edge
    if-nez v1, :shuffled_wrap
    const/4 v4, -0x1
    return v4

    # before the first song of the round: the current song again
    :shuffled_wrap
    if-gez p2, :new_round
    return p1

    # a new round, which does not start with the song just played
    :new_round
    const/4 v4, -0x1
    invoke-virtual {p0, v4}, Lcom/pelorin/player/Playlist;->reshuffle(I)V
    iget-object v2, p0, Lcom/pelorin/player/Playlist;->order:[I
    const/4 v3, 0x0
    aget v4, v2, v3
    if-ne v4, p1, :round_start
    add-int/lit8 v5, v0, -0x1
    aget v6, v2, v5
    aput v4, v2, v5
    aput v6, v2, v3
    :round_start
    aget v4, v2, v3
    return v4

    :in_order
    add-int v2, p1, p2
    if-lt v2, v0, :below_end
    if-eqz v1, :none
    const/4 v2, 0x0
    :below_end
    if-gez v2, :found
    if-eqz v1, :none
    add-int/lit8 v2, v0, -0x1
    :found
    return v2

    :none
    const/4 v2, -0x1
    return v2
.end method
